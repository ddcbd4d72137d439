// The built program itself, run as the player runs it, on the test JACK server: how it ends
// when the system asks it to, and what an unexpected end leaves for the next start.
#include "ConfigFile.h"
#include "Console.h"
#include "ConsoleState.h"
#include "DatFile.h"
#include "JackProbeInput.h"
#include "JackProbeOutput.h"
#include "JackTest.h"
#include "MidiInputPort.h"
#include "MidiOutputPort.h"
#include "RecoveryCopy.h"
#include "support/FixedScreen.h"
#include "support/ScriptedDialogs.h"
#include "virtual/VirtualMidiBackend.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

using namespace vorlo;
using namespace vorlo::test;

namespace {

constexpr int kEndTimeoutMs = 15000;
const QDateTime kLongAgo(QDate(2001, 1, 1), QTime(12, 0));

QByteArray joined(const std::vector<QByteArray>& messages, size_t from) {
    QByteArray all;
    for (size_t i = from; i < messages.size(); ++i)
        all += messages[i];
    return all;
}

class RunningProgram : public JackTest {
protected:
    void SetUp() override {
        JackTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(folder.isValid());
        // The program and its data files in a folder of the test's own, as installed.
        const QDir built(QStringLiteral(VORLO_PROGRAM_DIR));
        const QStringList files = built.entryList(QDir::Files);
        ASSERT_TRUE(files.contains(QStringLiteral("vorlo2000")));
        for (const QString& name : files)
            ASSERT_TRUE(QFile::copy(built.filePath(name), file(name))) << name.toStdString();
        QFile::setPermissions(file(QStringLiteral("vorlo2000")),
                              QFile::permissions(built.filePath(QStringLiteral("vorlo2000"))));
    }

    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(kEndTimeoutMs);
        }
    }

    QString file(const QString& name) const { return QDir(folder.path()).filePath(name); }
    QString configPath() const { return file(QStringLiteral("vorlo2000.CFG")); }

    // A configuration that plays on the given JACK ports (empty: no device), with the window
    // positions of a real screen.
    void writeConfig(const QString& keyboard, const QString& module) {
        auto in = backend->createInput();
        auto out = backend->createOutput();
        ConsoleState s;
        s.AppDir = folder.path();
        ConfigFile::installDefaults(s, ScreenContext{1920 * 15, 1080 * 15, 0, 0});
        s.MainLeft = s.MainTop = 0;
        s.AdvancedLeft = 12500;
        s.AdvancedTop = 0;
        const int inputs = in->deviceCount();
        const int outputs = out->deviceCount();
        s.MidiIn1Device =
            static_cast<int16_t>(keyboard.isEmpty() ? inputs : indexOf(*in, keyboard));
        s.MidiIn2Device = static_cast<int16_t>(inputs);
        s.MidiOutDevice = static_cast<int16_t>(module.isEmpty() ? outputs : indexOf(*out, module));
        ASSERT_GE(s.MidiIn1Device, 0);
        ASSERT_GE(s.MidiOutDevice, 0);
        ASSERT_TRUE(ConfigFile::write(configPath(), s));
        markOld(configPath());
    }

    static void markOld(const QString& path) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(kLongAgo, QFileDevice::FileModificationTime));
    }
    static bool writtenSince(const QString& path) {
        return QFileInfo(path).lastModified() > kLongAgo.addSecs(60);
    }

    void start() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(file(QStringLiteral("vorlo2000")), {});
        ASSERT_TRUE(program.waitForStarted(kEndTimeoutMs)) << program.errorString().toStdString();
    }

    // Waits until the module has heard the start-up and nothing more comes for a while (long
    // enough that a busy machine's pause in the paced reset is not taken for its end).
    static bool waitForQuiet(const JackProbeInput& module) {
        if (!module.waitFor(1, kEndTimeoutMs))
            return false;
        size_t seen = 0;
        for (int quiet = 0; quiet < 30;) {
            runEvents(50);
            const size_t now = module.count();
            quiet = now == seen ? quiet + 1 : 0;
            seen = now;
        }
        return true;
    }

    // Sends the signal and waits for the program to end; "" when it ended normally with
    // status 0, otherwise how it ended and what it printed.
    std::string endWith(int signal) {
        ::kill(static_cast<pid_t>(program.processId()), signal);
        if (!program.waitForFinished(kEndTimeoutMs))
            return "still running";
        const QString printed = QString::fromLocal8Bit(program.readAll());
        if (program.exitStatus() != QProcess::NormalExit)
            return "killed by the signal; printed: " + printed.toStdString();
        if (program.exitCode() != 0)
            return "exit status " + std::to_string(program.exitCode()) +
                   "; printed: " + printed.toStdString();
        return {};
    }

    // The ports the program has on the JACK server, read by a plain client (the console's
    // own device lists leave its ports out).
    static QStringList programPorts() {
        QStringList ports;
        RtMidiIn sources(RtMidi::UNIX_JACK, "vorlo-test-lister");
        RtMidiOut destinations(RtMidi::UNIX_JACK, "vorlo-test-lister");
        for (unsigned i = 0; i < sources.getPortCount(); ++i)
            ports << QString::fromStdString(sources.getPortName(i));
        for (unsigned i = 0; i < destinations.getPortCount(); ++i)
            ports << QString::fromStdString(destinations.getPortName(i));
        return ports.filter(QString::fromLatin1(RtMidiBackend::kClientName));
    }

    // Waits until the module has heard at least as many bytes since message `from` as
    // `expected` holds, and tells whether they begin with it. The program may have ended
    // before the module's side of the server has taken its last cycle's messages in.
    static ::testing::AssertionResult heardFirst(const JackProbeInput& module, size_t from,
                                                 const QByteArray& expected) {
        waitUntil([&] { return joined(module.messages(), from).size() >= expected.size(); }, 10000);
        const QByteArray heard = joined(module.messages(), from);
        if (heard.startsWith(expected))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure()
               << "heard " << module.count() - from << " messages, " << heard.size()
               << " bytes: " << hex(heard.left(48)) << (heard.size() > 48 ? " ..." : "");
    }

    QByteArray defaultEntry0() {
        StopTable t;
        DatFile::read(file(QStringLiteral("vorlo2000.dat")), t);
        return t[0];
    }

    QTemporaryDir folder;
    QProcess program;
};

TEST_F(RunningProgram, SigtermEndsItInOrderAndSavesTheConfiguration) {
    JackProbeInput module("module", "in");
    writeConfig({}, module.portName());
    start();
    ASSERT_TRUE(waitForQuiet(module)) << "the start-up reached the module";
    ASSERT_FALSE(programPorts().isEmpty());
    const size_t before = module.count();

    const std::string ended = endWith(SIGTERM);
    EXPECT_EQ(ended, "");
    EXPECT_TRUE(writtenSince(configPath())) << "the configuration is saved";
    ConsoleState reread;
    reread.AppDir = folder.path();
    EXPECT_TRUE(ConfigFile::read(configPath(), reread, ScreenContext{1920 * 15, 1080 * 15, 0, 0}));
    const QByteArray entry0 = defaultEntry0();
    ASSERT_FALSE(entry0.isEmpty());
    EXPECT_TRUE(heardFirst(module, before, entry0)) << "the module gets entry 0, as at every end";
    EXPECT_TRUE(waitUntil([&] { return programPorts().isEmpty(); }, 3000))
        << "no port left behind: " << programPorts().join(' ').toStdString();
}

TEST_F(RunningProgram, SighupWhileAMessageWaitsForOkStillEndsIt) {
    // Without a configuration the start-up stops at its message about unassigned devices.
    start();
    runEvents(1500);
    ASSERT_EQ(program.state(), QProcess::Running);
    EXPECT_EQ(endWith(SIGHUP), "");
    EXPECT_TRUE(QFile::exists(configPath())) << "the defaults are saved, as at any end";
}

TEST_F(RunningProgram, MemoriesStoredBeforeAKillAreOfferedAtTheNextStart) {
    JackProbeInput module("module", "in");
    auto keyboard = std::make_unique<JackProbeOutput>("keyboard", "out");
    writeConfig(keyboard->portName(), module.portName());
    start();
    ASSERT_TRUE(waitForQuiet(module));

    // From the keyboard: the sustain pedal arms the commands; key 38 draws Great Fondi 14,
    // key 53 arms REC and key 62 stores into free memory 3.
    keyboard->play({0xB0, 0x40, 0x7F});
    keyboard->play({0x90, 38, 100});
    keyboard->play({0x90, 53, 100});
    keyboard->play({0x90, 62, 100});
    const QString copy = file(QString::fromLatin1(RecoveryCopy::FileName));
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(copy); }, 5000))
        << "the store wrote the recovery copy";
    ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
    ASSERT_TRUE(program.waitForFinished(kEndTimeoutMs));
    ASSERT_EQ(program.exitStatus(), QProcess::CrashExit);
    ASSERT_TRUE(QFile::exists(copy));

    // The next start, in the same folder: the console asks, and Yes brings the memory back.
    VirtualMidiBackend midi({}, {});
    ScriptedDialogs dialogs;
    dialogs.answers = {true};
    FixedScreen screen;
    Console::Environment env;
    env.appDir = folder.path();
    env.backend = &midi;
    env.dialogs = &dialogs;
    env.screen = &screen;
    Console console(env);
    console.Form_Load();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("Restore the free memories")));
    EXPECT_EQ(dialogs.questionTitles[0], QStringLiteral("Warning"));
    EXPECT_EQ(console.state().slot(3).MemFO_GO, 14);
    EXPECT_TRUE(console.state().FreeMemoriesUnsaved);
    console.endWithoutQuestions();
}

} // namespace
