#include "StopTableLoader.h"

#include "ConfigurationStore.h"
#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "DatFile.h"
#include "Dialogs.h"
#include "StopTableCheck.h"

#include <QDir>

namespace vorlo {

StopTableLoader::StopTableLoader(ConsoleState& state, Dialogs& dialogs, ConsoleListener& events,
                                 ConfigurationStore& config)
    : state_(state), dialogs_(dialogs), events_(events), config_(config) {}

bool StopTableLoader::loadStopTable(const QString& path) {
    ConsoleState& st = state_;
    StopTable table;
    const DatFile::ReadResult r = DatFile::read(path, table);
    // A table without one playable entry has no organ in it: as unusable as a missing file.
    const StopTableCheck check(table, r.entriesRead);
    if (!r.ok || !check.isUsable())
        return false;
    st.Table = table;
    st.copyReinforcementFlags();
    st.ProgramTitle = QStringLiteral("Vorlo2000 V2.0");
    events_.stopTableLoaded();
    st.MidiPortsReady = true;
    st.LearnActive = false;
    st.LearnIndex = 0;
    if (check.isWhole())
        return true;
    const QString shown = QDir::toNativeSeparators(path);
    QString text =
        check.isShort()
            ? QStringLiteral("The stops table file %1 ends early, after %2 bytes: only %3 of its "
                             "%4 entries were read whole, and the entries after them are empty. "
                             "Stops without data make no sound.")
                  .arg(shown)
                  .arg(r.size)
                  .arg(r.entriesRead)
                  .arg(StopTable::kEntryCount)
            : QStringLiteral("The stops table file %1 is damaged.").arg(shown);
    if (check.unsendableEntries() > 0)
        text += QLatin1Char(' ') + check.unsendableText();
    dialogs_.message(text + QStringLiteral(" Load a complete stops table in the editor, or "
                                           "reinstall Vorlo2000."),
                     st.ProgramTitle, Dialogs::Icon::Exclamation);
    return true;
}

bool StopTableLoader::enableTable(const QString& path) {
    if (!loadStopTable(path))
        return false;
    state_.DatFilePath = path;
    return true;
}

void StopTableLoader::CARICAMENTO_DAT() {
    ConsoleState& st = state_;
    if (loadStopTable(st.DatFilePath))
        return;
    dialogs_.message(QStringLiteral("Error Loading Stops Table File ") + st.DatFilePath +
                         QStringLiteral(" File is Damaged or Wrong Path is on CFG File: program "
                                        "will load default File vorlo2000.DAT,if it is present "
                                        "in vorlo2000 directory"),
                     st.ProgramTitle, Dialogs::Icon::Critical);
    st.DatFilePath = st.appFile(QStringLiteral("vorlo2000.dat"));
    config_.Salva_dati_di_avvio();
    if (loadStopTable(st.DatFilePath))
        return;
    // Neither table can be read: the console runs without stops rather than not at all.
    st.Table.clear();
    st.copyReinforcementFlags();
    st.ProgramTitle = QStringLiteral("Vorlo2000 V2.0");
    events_.stopTableLoaded();
    dialogs_.message(QStringLiteral("The default stops table ") +
                         QDir::toNativeSeparators(st.DatFilePath) +
                         QStringLiteral(" cannot be read either: the console runs with an "
                                        "empty stops table. Choose a stops table in the "
                                        "editor, or reinstall Vorlo2000."),
                     st.ProgramTitle, Dialogs::Icon::Critical);
}

} // namespace vorlo
