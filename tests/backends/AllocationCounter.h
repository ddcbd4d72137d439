#pragma once

#include <cstddef>

namespace vorlo::test {

// Counts the memory allocations made on the calling thread while it lives (the test program
// replaces the global operator new for this).
class AllocationCounter {
public:
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    size_t count() const;
};

} // namespace vorlo::test
