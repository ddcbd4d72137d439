#include "StopTable.h"

#include <algorithm>

namespace vorlo {

const QByteArray& StopTable::operator[](int n) const {
    static const QByteArray kEmpty;
    if (!isValidIndex(n))
        return kEmpty;
    return entries_[static_cast<size_t>(n)];
}

void StopTable::set(int n, const QByteArray& bytes) {
    if (isValidIndex(n))
        entries_[static_cast<size_t>(n)] = bytes;
}

bool StopTable::isEmpty() const {
    return std::all_of(entries_.begin(), entries_.end(),
                       [](const QByteArray& e) { return e.isEmpty(); });
}

void StopTable::clear() {
    for (auto& e : entries_)
        e.clear();
}

} // namespace vorlo
