#include "SettingsLists.h"

#include "Cp1252.h"
#include "StopTable.h"

namespace vorlo {
namespace {

QStringList column(const StopTable& table, int first, int count) {
    QStringList names;
    if (table[first].size() < 2) {
        for (int i = 0; i < 6; ++i)
            names.append(QStringLiteral("  "));
        return names;
    }
    for (int k = first; k < first + count && table[k].size() >= 4; ++k)
        names.append(cp1252::decode(table[k]));
    return names;
}

} // namespace

void SettingsLists::fill(const StopTable& table) {
    startNotes_.clear();
    for (const char* n : {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "H"})
        startNotes_.append(QString::fromLatin1(n));
    tremoloTypes_ = {QStringLiteral("Tremblant Doux"), QStringLiteral("Tremblant Fort")};
    reverbs_ = column(table, StopTable::kReverbNames, kReverbCount);
    temperaments_ = column(table, StopTable::kTemperamentNames, kTemperamentCount);
    chosen_.fill(-1);
}

} // namespace vorlo
