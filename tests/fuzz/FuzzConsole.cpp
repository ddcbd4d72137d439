#include "FuzzConsole.h"

#include "Buffers.h"
#include "Console.h"
#include "FileMenu.h"
#include "Memories.h"
#include "MidiConstants.h"
#include "support/FixedScreen.h"
#include "virtual/VirtualMidiBackend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace vorlo::fuzz {
namespace {

const QString kKeyboard1 = QStringLiteral("Keyboard 1");
const QString kKeyboard2 = QStringLiteral("Keyboard 2");
const QString kModule = QStringLiteral("Sound Module");

QByteArray readOrDie(const char* path) {
    QFile f(QString::fromLocal8Bit(path));
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "fuzz: cannot read %s\n", path);
        std::abort();
    }
    return f.readAll();
}

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// A short message is a status byte and the data bytes its status carries, all below 0x80.
// (System-exclusive sends carry a stops-table entry as it is stored, and are not judged.)
void checkSent(const VirtualMidiBackend::Sent& sent) {
    const QByteArray& b = sent.bytes;
    if (sent.sysex || b.isEmpty())
        return;
    bool bad = uint8_t(b[0]) < 0x80 || b.size() != midi::shortMessageLength(uint8_t(b[0]));
    for (qsizetype i = 1; i < b.size(); ++i)
        bad = bad || uint8_t(b[i]) >= 0x80;
    if (!bad)
        return;
    std::fprintf(stderr, "fuzz: malformed message sent: %s\n",
                 qPrintable(VirtualMidiBackend::hex(b)));
    std::abort();
}

} // namespace

void initialise(int* argc, char*** argv) {
    qInstallMessageHandler(quiet);
    static QCoreApplication app(*argc, *argv);
}

FuzzConsole::FuzzConsole()
    : midi_(std::make_unique<VirtualMidiBackend>(QStringList{kKeyboard1, kKeyboard2},
                                                 QStringList{kModule})),
      screen_(std::make_unique<test::FixedScreen>()) {}

FuzzConsole::~FuzzConsole() {
    console_.reset();
    settle();
}

void FuzzConsole::putFile(const QString& name, const QByteArray& bytes) {
    QFile f(QDir(dir_.path()).filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "fuzz: cannot write into %s\n", qPrintable(dir_.path()));
        std::abort();
    }
}

void FuzzConsole::putDefaultTable() {
    static const QByteArray table = readOrDie(VORLO_FUZZ_TABLE);
    putFile(QStringLiteral("vorlo2000.dat"), table);
}

void FuzzConsole::putDefaultConfig() {
    // The first line names the stops table by its full path.
    static const QByteArray config = readOrDie(VORLO_FUZZ_CONFIG);
    const QByteArray path =
        QDir::toNativeSeparators(QDir(dir_.path()).filePath(QStringLiteral("vorlo2000.dat")))
            .toLatin1();
    putFile(QStringLiteral("vorlo2000.CFG"), path + config.mid(config.indexOf("\r\n")));
}

void FuzzConsole::start() {
    Console::Environment env;
    env.appDir = dir_.path();
    env.backend = midi_.get();
    env.dialogs = &dialogs_;
    env.screen = screen_.get();
    console_ = std::make_unique<Console>(env);
    // The console's waits (between system-exclusive messages, after a reset) only run the
    // pending events, so that a run takes milliseconds whatever delay a file asks for.
    console_->waiter().longestWaitMs = 0;
    console_->Form_Load();
    settle();
}

void FuzzConsole::loadMemoryFile(const QByteArray& bytes) {
    putFile(QStringLiteral("memories.sqs"), bytes);
    dialogs_.openFile = QDir(dir_.path()).filePath(QStringLiteral("memories.sqs"));
    console_->fileMenu().Loadfile_Click();
    settle();
}

void FuzzConsole::play(int keyboard, const uint8_t* bytes, size_t size, size_t piece) {
    const QString& device = keyboard == 1 ? kKeyboard1 : kKeyboard2;
    piece = std::max<size_t>(piece, 1);
    for (size_t at = 0; at < size; at += piece) {
        const size_t n = std::min(piece, size - at);
        midi_->play(device, QByteArray(reinterpret_cast<const char*>(bytes + at),
                                       static_cast<qsizetype>(n)));
    }
    settle();
}

void FuzzConsole::playRegistration() {
    for (int k = 1; k <= 12; ++k) {
        console_->memories().Memorie(k);
        settle();
    }
    for (int k = 1; k <= 12; ++k) {
        console_->memories().Memorie(k + 12);
        settle();
    }
    for (int keyboard = 1; keyboard <= 2; ++keyboard) {
        const uint8_t chord[] = {0x90, 60, 100, 64, 100, 67, 100, 0x80, 60, 0, 64, 0, 67, 0};
        play(keyboard, chord, sizeof chord, sizeof chord);
    }
}

void FuzzConsole::stop() {
    console_->Form_Unload();
    settle();
}

void FuzzConsole::settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    for (const auto& sent : midi_->sent())
        checkSent(sent);
    midi_->clearLog();
}

} // namespace vorlo::fuzz
