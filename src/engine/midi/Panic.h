#pragma once

namespace vorlo {

class Console;

// All notes off, twice, on each division channel.
class Panic {
public:
    explicit Panic(Console& console);
    void Panic_Click();

private:
    Console& console_;
};

} // namespace vorlo
