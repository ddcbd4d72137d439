// vorlo2000: the console's windows on the platform's MIDI system.
#include "QtDialogs.h"
#include "QtScreenMetrics.h"
#include "StandardWindows.h"
#include "WindowManager.h"
#include "core/Console.h"

#include <QApplication>
#include <memory>

#ifdef VORLO_HAVE_RTMIDI
#include "rtmidi/RtMidiBackend.h"
#else
#include "virtual/VirtualMidiBackend.h"
#endif

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorlo2000"));
    // The console ends through its own shut-down, never because a window went away.
    QApplication::setQuitOnLastWindowClosed(false);

#ifdef VORLO_HAVE_RTMIDI
    vorlo::RtMidiBackend backend;
#else
    vorlo::VirtualMidiBackend backend;
#endif
    vorlo::QtDialogs dialogs;
    vorlo::QtScreenMetrics screen;

    vorlo::Console::Environment env;
    env.appDir = QCoreApplication::applicationDirPath();
    env.backend = &backend;
    env.dialogs = &dialogs;
    env.screen = &screen;
    vorlo::Console console(env);

    vorlo::WindowManager windows(console);
    vorlo::StandardWindows::registerAll(windows);
    windows.start();
    QObject::connect(
        &console, &vorlo::Console::ended, &app, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);

    console.Form_Load();
    if (console.hasEnded())
        return 0;
    return app.exec();
}
