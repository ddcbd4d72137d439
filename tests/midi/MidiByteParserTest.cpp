#include "MidiByteParser.h"

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

using namespace vorlo;

namespace {

// What the parser makes of the byte pieces, as hex messages of the bytes they carry.
QStringList parse(MidiByteParser& p, std::initializer_list<std::vector<uint8_t>> pieces) {
    QStringList out;
    for (const auto& piece : pieces) {
        p.feed(piece.data(), piece.size(), [&](const ShortMessage& m) {
            const int length = midi::shortMessageLength(static_cast<uint8_t>(m.status));
            QString s = QString::asprintf("%02X", m.status);
            if (length > 1)
                s += QString::asprintf(" %02X", m.data1);
            if (length > 2)
                s += QString::asprintf(" %02X", m.data2);
            out << s;
        });
    }
    return out;
}

QStringList parse(std::initializer_list<std::vector<uint8_t>> pieces) {
    MidiByteParser p;
    return parse(p, pieces);
}

} // namespace

TEST(MidiByteParser, AStatusByteInADataPositionEndsTheMessageAndStartsItsOwn) {
    EXPECT_EQ(parse({{0xB0, 0xC2, 0x2F}}), QStringList({"C2 2F"}));
    EXPECT_EQ(parse({{0x90, 0x3C, 0x91, 0x3D, 0x64}}), QStringList({"91 3D 64"}));
    // A one-byte system message in the middle ends the note too; its data are then orphans.
    EXPECT_EQ(parse({{0x90, 0x3C, 0xF6, 0x64, 0x90, 0x3C, 0x64}}), QStringList({"F6", "90 3C 64"}));
}

TEST(MidiByteParser, RealTimeBytesComeOutAtOnceAndLeaveTheMessageAroundThemWhole) {
    EXPECT_EQ(parse({{0x90, 0xF8, 0x3C, 0xFE, 0x64, 0xFF}}),
              QStringList({"F8", "FE", "90 3C 64", "FF"}));
    EXPECT_EQ(parse({{0x90, 0x3C, 0x64, 0xFA, 0x3E, 0x64}}),
              QStringList({"90 3C 64", "FA", "90 3E 64"}))
        << "real time keeps the running status";
}

TEST(MidiByteParser, RunningStatusRepeatsChannelMessagesUntilASystemMessageCancelsIt) {
    EXPECT_EQ(parse({{0x90, 0x3C, 0x64, 0x3E, 0x64, 0x3C, 0x00}}),
              QStringList({"90 3C 64", "90 3E 64", "90 3C 00"}));
    EXPECT_EQ(parse({{0xC1, 0x05, 0x06, 0xD2, 0x40, 0x41}}),
              QStringList({"C1 05", "C1 06", "D2 40", "D2 41"}));
    EXPECT_EQ(parse({{0x90, 0x3C, 0x64, 0xF3, 0x02, 0x3E, 0x64}}),
              QStringList({"90 3C 64", "F3 02"}))
        << "system common cancels running status";
    EXPECT_EQ(parse({{0xF2, 0x01, 0x02, 0xF1, 0x35, 0x10}}), QStringList({"F2 01 02", "F1 35"}));
    EXPECT_EQ(parse({{0x3C, 0x64, 0x80, 0x3C, 0x00}}), QStringList({"80 3C 00"}))
        << "data with no status before them are dropped";
}

TEST(MidiByteParser, SystemExclusiveIsSwallowedUpToItsEndOrTheNextStatusByte) {
    EXPECT_EQ(parse({{0x90, 0x3C, 0x64, 0xF0, 0x41, 0xF8, 0x10, 0xF7, 0x3E, 0x64}}),
              QStringList({"90 3C 64", "F8"}))
        << "real time inside comes out; after it no running status is left";
    EXPECT_EQ(parse({{0xF0, 0x41, 0x10, 0x42, 0x90, 0x3C, 0x64}}), QStringList({"90 3C 64"}));
    EXPECT_EQ(parse({{0xF7, 0x3C, 0x64}}), QStringList());
}

TEST(MidiByteParser, MessagesSplitAcrossPiecesAreJoinedAndResetForgetsAHalfMessage) {
    MidiByteParser p;
    EXPECT_EQ(parse(p, {{0x90}, {0x3C}, {0x64, 0x3E}, {0x64}}),
              QStringList({"90 3C 64", "90 3E 64"}));
    EXPECT_EQ(parse(p, {{0xF0, 0x41}, {0x10, 0xF7}}), QStringList());
    EXPECT_EQ(parse(p, {{0xB0, 0x07}}), QStringList());
    p.reset();
    EXPECT_EQ(parse(p, {{0x40, 0x90, 0x3C, 0x64}}), QStringList({"90 3C 64"}));
}
