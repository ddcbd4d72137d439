// The messages waiting for a slow MIDI system stay bounded under a flood, and the player is told.
#include "OutputBacklog.h"
#include "PacedOutputPort.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace vorlo;

namespace {

QString hex(const unsigned char* bytes, size_t size) {
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size))
            .toHex(' ')
            .toUpper());
}

bool push(OutputBacklog& b, std::initializer_list<unsigned char> bytes) {
    return b.push(std::data(bytes), bytes.size());
}

// A GS data set of one byte at 40 01 30 (the reverb macro): the same address, new data.
QByteArray dataSet(unsigned char value) {
    const unsigned char sum =
        static_cast<unsigned char>((128 - (0x40 + 0x01 + 0x30 + value) % 128) % 128);
    const unsigned char m[] = {0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x01, 0x30, value, sum, 0xF7};
    return QByteArray(reinterpret_cast<const char*>(m), sizeof m);
}

bool push(OutputBacklog& b, const QByteArray& sysex) {
    return b.push(reinterpret_cast<const unsigned char*>(sysex.constData()),
                  static_cast<size_t>(sysex.size()), &sysex);
}

QStringList drain(OutputBacklog& b) {
    QStringList lines;
    while (!b.empty()) {
        lines << hex(b.front().data(), b.front().size());
        b.pop();
    }
    return lines;
}

// A device whose MIDI system drops what it cannot take.
class DroppingDevice : public MidiOutputPort {
public:
    int deviceCount() override { return 1; }
    QString deviceName(int) override { return QStringLiteral("slow"); }
    void selectDevice(int) override {}
    void open() override { open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void sendShort(uint8_t, uint8_t, uint8_t) override { emit messageDropped(); }
    void sendSysex(const QByteArray&) override {}

private:
    bool open_ = false;
};

} // namespace

TEST(OutputBacklog, AFloodKeepsItBoundedDropsNotesWithTheirNoteOffsButNeverASoundingRelease) {
    OutputBacklog b;
    const unsigned char sounding[] = {0x90, 60, 100};
    b.passed(sounding, 3); // went out at once
    EXPECT_TRUE(push(b, dataSet(0)));
    EXPECT_TRUE(push(b, {0xB0, 7, 100}));
    EXPECT_TRUE(push(b, {0x90, 61, 100}));
    // Up to 16 KB everything waits in order, notes included.
    QStringList ordered{hex(reinterpret_cast<const unsigned char*>(dataSet(0).constData()), 11),
                        QStringLiteral("B0 07 64"), QStringLiteral("90 3D 64")};
    for (int i = 0; b.bytes() < FloodPolicy::kOrderedBytes; ++i) {
        const unsigned char key = static_cast<unsigned char>(i % 128);
        ASSERT_TRUE(push(b, {0x92, key, 64}));
        ASSERT_TRUE(push(b, {0x82, key, 0}));
        ordered << QStringLiteral("92 %1 40").arg(key, 2, 16, QLatin1Char('0')).toUpper()
                << QStringLiteral("82 %1 00").arg(key, 2, 16, QLatin1Char('0')).toUpper();
    }
    const size_t inOrder = b.count();

    // A flood beyond it: new notes go with their note-offs, clock goes, a controller or an
    // address replaces its waiting message.
    for (int i = 0; i < 100000; ++i) {
        const unsigned char key = static_cast<unsigned char>(i % 128);
        const unsigned char value = static_cast<unsigned char>(i % 128);
        ASSERT_FALSE(push(b, {0x91, key, 90})) << i;
        ASSERT_FALSE(push(b, {0x81, key, 0})) << i;
        ASSERT_FALSE(push(b, {0xF8}));
        ASSERT_TRUE(push(b, {0xB0, 7, value}));
        ASSERT_TRUE(push(b, dataSet(value)));
        ASSERT_LE(b.count(), inOrder) << "what waits stays bounded";
    }
    EXPECT_TRUE(push(b, {0x80, 60, 0})) << "the note that went out is released";
    EXPECT_TRUE(push(b, {0x80, 61, 0})) << "and so is the one that waits";
    EXPECT_FALSE(push(b, {0x80, 60, 0})) << "a second release of a silent note is not needed";

    const QStringList sent = drain(b);
    ordered.removeAt(0); // replaced by the latest data at that address
    ordered.removeAt(0); // and by the latest volume
    const QString last =
        hex(reinterpret_cast<const unsigned char*>(dataSet(99999 % 128).constData()), 11);
    ordered << QStringLiteral("B0 07 1F") << last << QStringLiteral("80 3C 00")
            << QStringLiteral("80 3D 00");
    EXPECT_EQ(sent, ordered);
}

TEST(OutputBacklog, ADeviceThatDropsMessagesIsToldToThePlayerAsTheCablesDrops) {
    DroppingDevice device;
    PacedOutputPort paced(device);
    paced.setWireSpeed(0);
    paced.open();
    QList<bool> told;
    QObject::connect(&paced, &PacedOutputPort::behindCableChanged,
                     [&](bool behind) { told << behind; });
    paced.sendPlayerShort(0x90, 60, 100);
    paced.sendPlayerShort(0x90, 62, 100);
    EXPECT_TRUE(paced.isBehindCable());
    EXPECT_EQ(told, QList<bool>{true});
}
