#pragma once

#include "Registration.h"

#include <optional>
#include <vector>

namespace vorlo {

inline constexpr int kBankCount = 100;      // banks 1..100
inline constexpr int kMemoriesPerBank = 12; // free memories 1..12 of each bank

// A free memory of a bank: bank 1..kBankCount, memory 1..12. Memory 0 stands before the
// bank's first memory (no memory of the bank chosen yet).
struct BankPlace {
    int bank = 1;
    int memory = 0;
    friend constexpr bool operator==(const BankPlace&, const BankPlace&) = default;
};

// The free memories of every bank, bank 1 being the twelve the console has always had. A
// memory that holds the console's start state (what clearing the free memories leaves) counts
// as empty: the sequence of stored memories passes it by.
class MemoryBankSet {
public:
    MemoryBankSet();

    static bool isBank(int bank) { return bank >= 1 && bank <= kBankCount; }
    static bool isPlace(int bank, int memory) {
        return isBank(bank) && memory >= 1 && memory <= kMemoriesPerBank;
    }

    // Memory m (1..12) of bank b (1..100); out of range throws std::out_of_range.
    Registration& memory(int bank, int m);
    const Registration& memory(int bank, int m) const;
    bool isStored(int bank, int m) const;

    // The first stored memory after `from`, across the banks in order; none past the last.
    std::optional<BankPlace> next(BankPlace from) const;
    // The last stored memory before `from`; none before the first.
    std::optional<BankPlace> previous(BankPlace from) const;

    friend bool operator==(const MemoryBankSet&, const MemoryBankSet&) = default;

private:
    static int index(int bank, int m);
    std::vector<Registration> memories_; // bank by bank, memory by memory
};

} // namespace vorlo
