#include "HeadlessEnvironment.h"

#include "ConfigFile.h"
#include "ConsoleState.h"
#include "DatFile.h"
#include "StopTable.h"

#include <QFile>

namespace vorlo::bench {

namespace {

const QString kTableFile = QStringLiteral("vorlo2000.dat");
const QString kConfigFile = QStringLiteral("vorlo2000.CFG");

} // namespace

void ProgramFolder::writeMinimalTable() const {
    StopTable table;
    for (int i = 0; i < StopTable::kEntryCount; ++i)
        table.set(i, QByteArray("\xF0\x41\x10\x42\x12\x40\x00\x7F\x00\x41\xF7", 11));
    DatFile::write(dir_.filePath(kTableFile), table);
}

void ProgramFolder::copyTable(const QString& datPath) const {
    QFile::copy(datPath, dir_.filePath(kTableFile));
}

void ProgramFolder::writeConfig(const std::function<void(ConsoleState&)>& adjust) const {
    ConsoleState cfg;
    cfg.AppDir = dir_.path();
    ConfigFile::installDefaults(cfg, ScreenContext{28800, 16200, 9680, 6870});
    adjust(cfg);
    ConfigFile::write(dir_.filePath(kConfigFile), cfg);
}

void playFromFirstKeyboard(ConsoleState& cfg) {
    cfg.MidiIn1Device = 0;
    cfg.MidiIn2Device = 1;
    cfg.MidiOutDevice = 0;
    cfg.InputFilter.fill(false);
}

} // namespace vorlo::bench
