#include "ConfigurationStore.h"

#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "Cp1252.h"
#include "Dialogs.h"
#include "ScreenMetrics.h"
#include "StartupProblems.h"
#include "WindowPlaces.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace vorlo {

ConfigurationStore::ConfigurationStore(ConsoleState& state, Dialogs& dialogs, ScreenMetrics& screen,
                                       WindowPlaces& places, ConsoleListener& events,
                                       StartupProblems& problems)
    : state_(state), dialogs_(dialogs), screen_(screen), places_(places), events_(events),
      problems_(problems) {}

void ConfigurationStore::tell(const QString& text) {
    if (!problems_.add({QStringLiteral("Configuration"), text, QString(), SetupPage::None}))
        dialogs_.message(text, state_.ProgramTitle, Dialogs::Icon::Exclamation);
}

ScreenContext ConfigurationStore::screenContext() {
    auto known = [](double v) { return std::isnan(v) ? 0.0 : v; };
    ScreenContext c(screen_.screenWidthTwips(), screen_.screenHeightTwips());
    // The main window takes the size of the panel the settings choose when the layout is
    // built; until then it has none.
    c.mainSizeFor = [this](const ConsoleState& st) {
        return places_.mainSizeFor(st.GraphicMode, st.PanelScale);
    };
    c.advancedWidth = known(places_.advancedWidth());
    c.advancedHeight = known(places_.advancedHeight());
    return c;
}

bool ConfigurationStore::LEGGI_FILE_AVVIO() {
    ConsoleState& st = state_;
    const ConfigFile::ReadResult r = ConfigFile::read(st.CfgFilePath, st, screenContext());
    switch (r.status) {
    case ConfigFile::ReadResult::Status::Read:
        if (!r.adjusted.isEmpty())
            reportAdjustedSettings(r.adjusted);
        return true;
    case ConfigFile::ReadResult::Status::Missing:
        if (!problems_.isGathering())
            dialogs_.message(QStringLiteral("Midi devices are unassigned : go to Setup !"),
                             st.ProgramTitle, Dialogs::Icon::Exclamation);
        return false;
    case ConfigFile::ReadResult::Status::Damaged:
        reportDamagedConfiguration(r);
        return false;
    }
    return false;
}

void ConfigurationStore::reportDamagedConfiguration(const ConfigFile::ReadResult& r) {
    ConsoleState& st = state_;
    const QString file = QDir::toNativeSeparators(st.CfgFilePath);
    // Moved aside before anything can write the defaults over it; an empty file holds
    // nothing worth keeping (a disk that ran full may have left it so).
    const bool empty = QFileInfo(st.CfgFilePath).size() == 0;
    QString error;
    const QString kept =
        empty ? QString()
              : ConfigFile::keepDamaged(st.CfgFilePath, QDateTime::currentDateTime(), &error);
    QString what;
    if (empty) {
        what = QStringLiteral("it is empty.");
    } else if (r.endsEarly) {
        what = QStringLiteral("it ends after line %1, where line %2 should hold %3 (%4).")
                   .arg(r.line - 1)
                   .arg(r.line)
                   .arg(ConfigFile::lineMeaning(r.line), r.expected);
    } else {
        QString found = cp1252::decode(r.found).trimmed();
        if (found.size() > 40)
            found = found.left(40) + QStringLiteral("...");
        what = QStringLiteral("line %1 should hold %2 (%3) but holds \"%4\".")
                   .arg(r.line)
                   .arg(ConfigFile::lineMeaning(r.line), r.expected, found);
    }
    QString text = QStringLiteral("The configuration file %1 is damaged: %2\n\nVorlo2000 starts "
                                  "with its default settings: the MIDI devices are unassigned "
                                  "(go to Setup !) and the fixed memories are cleared.")
                       .arg(file, what);
    if (empty)
        text += QStringLiteral("\n\nIt holds no settings, so no copy of it is kept.");
    else if (!kept.isEmpty())
        text += QStringLiteral("\n\nThe damaged file is kept as %1; the settings in it are "
                               "not lost and can be copied back from it.")
                    .arg(QDir::toNativeSeparators(kept));
    else
        text += QStringLiteral("\n\nThe damaged file could not be kept (%1): it will be "
                               "replaced when the configuration is next saved.")
                    .arg(error);
    tell(text);
}

void ConfigurationStore::reportAdjustedSettings(const QStringList& adjusted) {
    constexpr int kShown = 8;
    QString text = QStringLiteral("The configuration file %1 holds values that Vorlo2000 "
                                  "cannot set; they are brought within range:")
                       .arg(QDir::toNativeSeparators(state_.CfgFilePath));
    for (int i = 0; i < std::min<int>(kShown, static_cast<int>(adjusted.size())); ++i)
        text += QStringLiteral("\n") + adjusted[i];
    if (adjusted.size() > kShown)
        text += QStringLiteral("\n... and %1 more.").arg(adjusted.size() - kShown);
    tell(text);
}

void ConfigurationStore::Salva_dati_di_avvio() {
    ConsoleState& st = state_;
    // The windows' current positions.
    if (const WindowPlaces::Place main = places_.mainPlace(); main.known) {
        st.MainTop = static_cast<float>(main.top);
        st.MainLeft = static_cast<float>(main.left);
    }
    if (const WindowPlaces::Place adv = places_.advancedPlace(); adv.known) {
        st.AdvancedTop = static_cast<float>(adv.top);
        st.AdvancedLeft = static_cast<float>(adv.left);
    }
    if (st.CopyFreeToFixed) {
        for (int n = kFirstFree; n <= kLastFree; ++n)
            st.slot(n + 12) = st.slot(n);
        dialogs_.message(QStringLiteral("FIXED MEMORY OVERWRITTEN!"), st.ProgramTitle,
                         Dialogs::Icon::Information);
        st.CopyFreeToFixed = false;
    }
    QString error;
    if (!ConfigFile::write(st.CfgFilePath, st, &error))
        dialogs_.message(
            QStringLiteral("The configuration file %1 could not be written (%2). The "
                           "previous file is kept; your settings of this session are not "
                           "saved.")
                .arg(QDir::toNativeSeparators(st.CfgFilePath), error),
            st.ProgramTitle, Dialogs::Icon::Exclamation);
}

void ConfigurationStore::setSaveOnExit(bool on) {
    state_.SaveCfgOnExit = on ? 1 : 0;
    events_.saveOnExitShown(on);
    Salva_dati_di_avvio();
}

void ConfigurationStore::toggleSaveOnExit() {
    setSaveOnExit(state_.SaveCfgOnExit != 1);
}

} // namespace vorlo
