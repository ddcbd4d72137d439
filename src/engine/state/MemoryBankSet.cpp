#include "MemoryBankSet.h"

#include <algorithm>
#include <stdexcept>

namespace vorlo {

MemoryBankSet::MemoryBankSet()
    : memories_(static_cast<std::size_t>(kBankCount * kMemoriesPerBank),
                Registration::startValues()) {}

int MemoryBankSet::index(int bank, int m) {
    if (!isPlace(bank, m))
        throw std::out_of_range("no such bank memory");
    return (bank - 1) * kMemoriesPerBank + (m - 1);
}

Registration& MemoryBankSet::memory(int bank, int m) {
    return memories_[static_cast<std::size_t>(index(bank, m))];
}

const Registration& MemoryBankSet::memory(int bank, int m) const {
    return memories_[static_cast<std::size_t>(index(bank, m))];
}

bool MemoryBankSet::isStored(int bank, int m) const {
    return !(memory(bank, m) == Registration::startValues());
}

std::optional<BankPlace> MemoryBankSet::next(BankPlace from) const {
    if (!isBank(from.bank) || from.memory < 0)
        return std::nullopt;
    // Places numbered from 0 (bank 1, memory 1) on, one after the other.
    const int last = kBankCount * kMemoriesPerBank;
    for (int k = index(from.bank, 1) + from.memory; k < last; ++k) {
        const BankPlace p{k / kMemoriesPerBank + 1, k % kMemoriesPerBank + 1};
        if (isStored(p.bank, p.memory))
            return p;
    }
    return std::nullopt;
}

std::optional<BankPlace> MemoryBankSet::previous(BankPlace from) const {
    if (!isBank(from.bank) || from.memory < 0 || from.memory > kMemoriesPerBank + 1)
        return std::nullopt;
    // Memory 0 stands before memory 1: both look back from the previous bank's last.
    const int start = index(from.bank, 1) + std::max(from.memory, 1) - 2;
    for (int k = start; k >= 0; --k) {
        const BankPlace p{k / kMemoriesPerBank + 1, k % kMemoriesPerBank + 1};
        if (isStored(p.bank, p.memory))
            return p;
    }
    return std::nullopt;
}

} // namespace vorlo
