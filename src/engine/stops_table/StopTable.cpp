#include "StopTable.h"

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

void StopTable::clear() {
    for (auto& e : entries_)
        e.clear();
}

} // namespace vorlo
