// vorlo2000: the console's windows on the platform's MIDI system.
#include "QtDialogs.h"
#include "QtScreenMetrics.h"
#include "StandardWindows.h"
#include "SynthMidiBackend.h"
#include "WindowManager.h"
#include "core/Console.h"
#include "core/SettingsFile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
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

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Vorlo2000 organ console"));
    options.addHelpOption();
    const QCommandLineOption record(
        QStringLiteral("record"),
        QStringLiteral("The built-in GS synthesizer writes what it plays to <file> (WAV) "
                       "instead of the audio device."),
        QStringLiteral("file"));
    options.addOption(record);
    options.process(app);

#ifdef VORLO_HAVE_RTMIDI
    vorlo::RtMidiBackend system;
#else
    vorlo::VirtualMidiBackend system;
#endif
    const QString appDir = QCoreApplication::applicationDirPath();
    vorlo::BuiltInSynthConfig synth =
        vorlo::BuiltInSynthConfig::fromSettings(vorlo::SettingsFile(appDir), appDir);
    if (options.isSet(record))
        synth.recordPath = QFileInfo(options.value(record)).absoluteFilePath();
    // The MIDI system's outputs, and the built-in synthesizer after them.
    vorlo::SynthMidiBackend backend(system, synth);
    vorlo::QtDialogs dialogs;
    vorlo::QtScreenMetrics screen;

    vorlo::Console::Environment env;
    env.appDir = appDir;
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
