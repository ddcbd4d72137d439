#include "ConsoleFixture.h"

#include "ConsoleEvents.h"

#include "ConfigFile.h"
#include "DatFile.h"
#include "RolandChecksum.h"

#include <QCoreApplication>
#include <QDir>

namespace vorlo::test {

ConsoleFixture::ConsoleFixture()
    : midi(std::make_unique<VirtualMidiBackend>(
          QStringList{QString::fromLatin1(kKeyboard1), QString::fromLatin1(kKeyboard2)},
          QStringList{QString::fromLatin1(kModule)})) {}

ConsoleFixture::~ConsoleFixture() {
    console.reset();
}

StopTable ConsoleFixture::markerTable() {
    StopTable t;
    for (int n = 0; n < StopTable::kEntryCount; ++n) {
        const char addr[] = {0x40, static_cast<char>(n >> 7), static_cast<char>(n & 0x7F), 0x00};
        t.set(n, RolandChecksum::dataSet(0x10, QByteArrayView(addr, 4)));
    }
    for (int i = 0; i < 30; ++i)
        t.set(StopTable::kFondiNames + i, QByteArray("Fondo ") + QByteArray::number(i));
    for (int i = 0; i < 20; ++i) {
        t.set(StopTable::kMutazioniNames + i, QByteArray("Mutazione ") + QByteArray::number(i));
        t.set(StopTable::kAncieNames + i, QByteArray("Ancia ") + QByteArray::number(i));
        t.set(StopTable::kPedaleNames + i, QByteArray("Pedale ") + QByteArray::number(i));
    }
    for (int i = 0; i < 30; ++i)
        t.set(StopTable::kReinforceFondi + i, "0");
    for (int i = 0; i < 20; ++i)
        t.set(StopTable::kReinforceAncie + i, "0");
    for (int t12 = 0; t12 < 12; ++t12) {
        t.set(StopTable::kTemperamentNames + t12,
              QByteArray("Temperament ") + QByteArray::number(t12));
        // Temperament t raises every note by t cents.
        t.set(StopTable::kTemperamentFirst + t12,
              temperamentMessage(QByteArray(12, char(0x40 + t12))));
    }
    for (int r = 0; r < 8; ++r)
        t.set(StopTable::kReverbNames + r, QByteArray("Reverb ") + QByteArray::number(r));
    t.set(StopTable::kGroupNames + 0, "Fondi");
    t.set(StopTable::kGroupNames + 1, "Mutazioni");
    t.set(StopTable::kGroupNames + 2, "Ance / Archi");
    t.set(StopTable::kGroupNames + 3, "Pedale");
    return t;
}

QString ConsoleFixture::marker(int entry) {
    const char addr[] = {0x40, static_cast<char>(entry >> 7), static_cast<char>(entry & 0x7F),
                         0x00};
    return VirtualMidiBackend::hex(RolandChecksum::dataSet(0x10, QByteArrayView(addr, 4)));
}

QByteArray ConsoleFixture::temperamentMessage(const QByteArray& offsets) {
    QByteArray body("\x40\x11\x40", 3);
    body.append(offsets);
    return RolandChecksum::dataSet(0x10, body);
}

QString ConsoleFixture::appFile(const QString& name) const {
    return QDir(dir.path()).filePath(name);
}

void ConsoleFixture::writeTable(const StopTable& t, const QString& name) {
    ASSERT_TRUE(DatFile::write(appFile(name), t));
}

void ConsoleFixture::writeConfig(const std::function<void(ConsoleState&)>& tweak) {
    ConsoleState s;
    s.AppDir = dir.path();
    s.MidiIn1NoDevice = 2;
    s.MidiIn2NoDevice = 2;
    s.MidiOutNoDevice = 1;
    ConfigFile::installDefaults(s, ScreenContext{28800, 16200, 9680, 6870});
    s.MidiIn1Device = 0;
    s.MidiIn2Device = 1;
    s.MidiOutDevice = 0;
    s.InputFilter.fill(false);
    s.RecallGlobals = 1;
    s.RecallBalance = 1;
    s.TremoloRate = 100;
    s.ReverbType = 0;
    if (tweak)
        tweak(s);
    ASSERT_TRUE(ConfigFile::write(appFile(QStringLiteral("vorlo2000.CFG")), s));
}

void ConsoleFixture::makeConsole() {
    Console::Environment env;
    env.appDir = dir.path();
    env.backend = midi.get();
    env.dialogs = &dialogs;
    env.screen = &screen;
    env.sound = sound;
    console = std::make_unique<Console>(env);
    console->events().add(notices);
}

void ConsoleFixture::start() {
    makeConsole();
    console->Form_Load();
    settle();
    midi->clearLog();
}

void ConsoleFixture::startOnMarkerTable(const std::function<void(ConsoleState&)>& tweak) {
    writeTable(markerTable());
    writeConfig(tweak);
    start();
}

void ConsoleFixture::play(const char* device, std::initializer_list<uint8_t> bytes) {
    midi->play(QString::fromLatin1(device), bytes);
}

QStringList ConsoleFixture::keysOn(const char* device, Messages messages) {
    for (auto m : messages)
        play(device, m);
    settle();
    return log();
}

QStringList ConsoleFixture::fullUpdateAfterReset() {
    auto temps = [this](std::initializer_list<int> parts) {
        QStringList out;
        for (int p : parts)
            out << temp(p);
        return out;
    };
    QStringList l;
    l << marker(40) << marker(31) << temps({1, 2, 3, 4, 5}) << "B0 07 00"
      << "B0 0B 7F"
      << "B0 01 00";
    l << marker(70) << marker(33) << temps({17, 18, 19, 20, 21}) << "B1 07 00"
      << "B1 0B 7F"
      << "B1 01 00";
    l << marker(100) << temps({11, 12, 13}) << "B0 08 00"
      << "B0 0B 7F"
      << "B0 01 00";
    l << marker(120) << temps({27, 28, 29}) << "B1 08 00"
      << "B1 0B 7F"
      << "B1 01 00";
    l << marker(140) << marker(31) << temps({6, 7, 8, 9}) << "B0 09 00"
      << "B0 0B 7F"
      << "B0 01 00";
    l << marker(160) << marker(33) << temps({22, 23, 24, 25}) << "B1 09 00"
      << "B1 0B 7F"
      << "B1 01 00";
    l << marker(180) << temps({14, 15, 16, 30, 31, 32}) << "B2 0B 7F";
    return l;
}

void ConsoleFixture::settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace vorlo::test
