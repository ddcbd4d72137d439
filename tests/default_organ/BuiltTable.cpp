#include "BuiltTable.h"

#include "DatFile.h"

namespace {
constexpr int kLastSetUpEntry = 3;
}

QString BuiltTable::path() {
    return QStringLiteral(VORLO_ORGAN_TABLE);
}

const vorlo::StopTable& BuiltTable::table() {
    static const vorlo::StopTable t = [] {
        vorlo::StopTable loaded;
        vorlo::DatFile::read(path(), loaded);
        return loaded;
    }();
    return t;
}

ModuleModel BuiltTable::afterReset() {
    ModuleModel m;
    for (int e = 0; e <= kLastSetUpEntry; ++e)
        m.apply(table()[e]);
    return m;
}
