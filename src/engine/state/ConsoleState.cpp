#include "ConsoleState.h"

#include <QDir>

namespace vorlo {

QString ConsoleState::appFile(const QString& name) const {
    return QDir(AppDir).filePath(name);
}

void ConsoleState::copyReinforcementFlags() {
    for (int i = 0; i < 30; ++i)
        ReinforceFondi[i] = Table[StopTable::kReinforceFondi + i];
    for (int i = 0; i < 20; ++i)
        ReinforceAncie[i] = Table[StopTable::kReinforceAncie + i];
}

} // namespace vorlo
