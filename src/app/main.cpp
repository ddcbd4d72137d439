// vorlo2000: the console's windows on the platform's MIDI system.
#include "BuiltInSynthSound.h"
#include "Console.h"
#include "ConsoleForms.h"
#include "EndRequestWatcher.h"
#include "QtDialogs.h"
#include "QtScreenMetrics.h"
#include "RaiseRequests.h"
#include "SettingsFile.h"
#include "StandardWindows.h"
#include "SynthMidiBackend.h"
#include "WindowManager.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDebug>
#include <QFileInfo>
#include <QWidget>
#include <memory>

#ifdef VORLO_HAVE_RTMIDI
#include "rtmidi/RtMidiBackend.h"
#else
#include "virtual/VirtualMidiBackend.h"
#endif

int main(int argc, char** argv) {
    // A JACK client of the program (MIDI, or the built-in synthesizer's audio) never starts a
    // JACK server of its own: one started behind the player's back takes the sound card, and
    // the start of one that fails leaves the program's windows unable to show. The console
    // uses a server once one runs.
    qputenv("JACK_NO_START_SERVER", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorlo2000"));
    // The console ends through its own shut-down, never because a window went away.
    QApplication::setQuitOnLastWindowClosed(false);
    // Watched from the start; a request that comes before the console is there is acted on
    // as soon as events run.
    vorlo::EndRequestWatcher endRequests;

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
    const vorlo::SoundSettings sound = vorlo::SoundSettings::read(vorlo::SettingsFile(appDir));
    vorlo::BuiltInSynthConfig synth = vorlo::BuiltInSynthConfig::fromSoundSettings(sound, appDir);
    if (options.isSet(record))
        synth.recordPath = QFileInfo(options.value(record)).absoluteFilePath();
    // The MIDI system's outputs, and the built-in synthesizer after them.
    vorlo::SynthMidiBackend backend(system, synth);
    // The Sound window's view of the built-in synthesizer.
    vorlo::BuiltInSynthSound soundSystem(backend, sound, appDir);
    vorlo::QtDialogs dialogs;
    vorlo::QtScreenMetrics screen;

    vorlo::Console::Environment env;
    env.appDir = appDir;
    env.backend = &backend;
    env.dialogs = &dialogs;
    env.screen = &screen;
    env.sound = &soundSystem;
    env.audioRecorder = &backend.audioRecorder();
    vorlo::Console console(env);

    vorlo::WindowManager windows(console);
    vorlo::StandardWindows::registerAll(windows);
    windows.start();
    QObject::connect(
        &console, &vorlo::Console::ended, &app, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);

    // A signal or the end of the desktop session ends the program as the close box does, but
    // without questions. It may come in the middle of anything (a question on the screen, a
    // wait between messages): every event loop is told to finish, questions still open are
    // answered No, and the end itself runs below once the program is back at the top.
    QObject::connect(&endRequests, &vorlo::EndRequestWatcher::endRequested, &console,
                     [&](const QString& what) {
                         qInfo().noquote() << "vorlo2000:" << what << "- ending";
                         console.requestEnd();
                         dialogs.setUnattended(true);
                         QCoreApplication::exit(0);
                     });

    console.Form_Load();
    // A start that found the program folder held brings the console running there forward;
    // the console that holds it comes forward at every such start.
    vorlo::RaiseRequests raiseRequests(appDir);
    if (console.hasEnded()) {
        raiseRequests.knock();
    } else {
        raiseRequests.listen([&windows] {
            if (QWidget* main = windows.window(QString::fromLatin1(vorlo::forms::Main))) {
                main->setWindowState(main->windowState() & ~Qt::WindowMinimized);
                main->raise();
                main->activateWindow();
            }
        });
    }
    if (!console.hasEnded() && !endRequests.isRequested())
        app.exec();
    if (!console.hasEnded()) {
        // Asked to end by the system (or by Qt on its behalf): nobody answers any more.
        console.requestEnd();
        dialogs.setUnattended(true);
        console.endWithoutQuestions();
    }
    vorlo::EndRequestWatcher::markEnded();
    return 0;
}
