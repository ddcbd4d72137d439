#include "AboutHelp.h"

#include "AboutWindowControls.h"
#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "Dialogs.h"
#include "Form.h"
#include "HelpWindowControls.h"
#include "MainWindowControls.h"
#include "PanelState.h"
#include "ScreenMetrics.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace vorlo {
namespace {

// A window size that was never set counts as nothing.
double sizeOrZero(double v) {
    return std::isfinite(v) ? v : 0;
}

// Closing from the title bar unloads the window, like its own close button.
void unloadOnClose(Form& f) {
    f.onQueryUnload = [&f] {
        f.setLoaded(false);
        return false;
    };
}

} // namespace

AboutHelp::AboutHelp(ConsoleState& state, PanelState& panel, Dialogs& dialogs,
                     ScreenMetrics& screen)
    : state_(state), panel_(panel), main_(panel.form(ctl::main::Window)), dialogs_(dialogs),
      screen_(screen) {
    Form& main = main_;
    main(ctl::main::About).onClick = [this] { About_Click(); };
    main(ctl::main::Help1).onClick = [this] { Help1_Click(); };
    aboutWindow()(ctl::about::Command1).onClick = [this] { Command1_Click(); };
    unloadOnClose(aboutWindow());
    unloadOnClose(helpWindow());
}

Form& AboutHelp::aboutWindow() {
    return panel_.form(ctl::about::Window);
}

Form& AboutHelp::helpWindow() {
    return panel_.form(ctl::help::Window);
}

QString AboutHelp::helpFile() const {
    return state_.appFile(QString::fromLatin1(kHelpFileName));
}

void AboutHelp::About_Click() {
    Form& f = aboutWindow();
    if (!f.isLoaded()) {
        f.setLoaded(true);
        Form_Load();
    }
    f.bringToFront();
}

void AboutHelp::Form_Load() {
    Form& f = aboutWindow();
    const ConsoleState& st = state_;
    ScreenMetrics& screen = screen_;
    f.setLeft((screen.screenWidthTwips() - sizeOrZero(f.width())) / 2);
    f.setTop((screen.screenHeightTwips() - sizeOrZero(f.height())) / 2);
    f(ctl::about::LabelNomeprog).setCaption(st.ProgramTitle);
    f(ctl::about::Image1).setPicture(st.appFile(QStringLiteral("about.jpg")));
    f.setPicture(st.appFile(QStringLiteral("flgitaly.ico")));
}

void AboutHelp::Command1_Click() {
    Form& f = aboutWindow();
    f.setVisible(false);
    f.setLoaded(false);
}

void AboutHelp::Help1_Click() {
    const QString path = helpFile();
    if (!QFileInfo(path).isFile()) {
        dialogs_.message(
            QStringLiteral("The help file %1 cannot be found. Reinstall Vorlo2000 to get it "
                           "back; the console goes on working without it.")
                .arg(QDir::toNativeSeparators(path)),
            state_.ProgramTitle, Dialogs::Icon::Exclamation);
        return;
    }
    Form& f = helpWindow();
    f.setPicture(state_.appFile(QStringLiteral("bach.ico")));
    f(ctl::help::HelpBrowser).setCaption(path);
    f.setLoaded(true);
    f.bringToFront();
}

} // namespace vorlo
