#include "StandardWindows.h"

#include "AboutDialog.h"
#include "AdvancedWindow.h"
#include "ConsoleForms.h"
#include "EditorWindow.h"
#include "FontsDialog.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "OnScreenKeyboardWindow.h"
#include "RecordWindow.h"
#include "SetupDialog.h"
#include "SoundDialog.h"
#include "ThruWindow.h"
#include "TotalRecallWindow.h"
#include "WindowManager.h"

namespace vorlo {

void StandardWindows::registerAll(WindowManager& windows) {
    windows.registerWindow(QString::fromLatin1(forms::Main),
                           [](Console& c, Form& f) { return new MainWindow(c, f); });
    windows.registerWindow(QString::fromLatin1(forms::Setup),
                           [](Console& c, Form& f) { return new SetupDialog(c, f); });
    windows.registerWindow(QString::fromLatin1(forms::About),
                           [](Console& c, Form& f) { return new AboutDialog(c, f); });
    windows.registerWindow(QString::fromLatin1(forms::Fonts),
                           [](Console& c, Form& f) { return new FontsDialog(c, f); });
    windows.registerWindow(QString::fromLatin1(forms::Help),
                           [](Console& c, Form& f) { return new HelpWindow(c, f); });
    windows.registerWindow(QString::fromLatin1(forms::Advanced),
                           [](Console& c, Form& f) { return new AdvancedWindow(c, f); });
    windows.registerWindow(QString::fromLatin1(forms::Thru),
                           [](Console& c, Form& f) { return new ThruWindow(c, f); });
    windows.registerWindow(QString::fromLatin1(forms::Editor),
                           [](Console& c, Form& f) { return new EditorWindow(c, f); });
    windows.registerWindow(QString::fromLatin1(forms::TotalRecall),
                           [](Console& c, Form& f) { return new TotalRecallWindow(c, f); });
    windows.registerWindow(QString::fromLatin1(forms::Keyboard),
                           [](Console& c, Form& f) { return new OnScreenKeyboardWindow(c, f); });
    windows.registerWindow(QString::fromLatin1(forms::Sound),
                           [](Console& c, Form& f) { return new SoundDialog(c, f); });
    windows.registerWindow(QString::fromLatin1(forms::Record),
                           [](Console& c, Form& f) { return new RecordWindow(c, f); });
}

} // namespace vorlo
