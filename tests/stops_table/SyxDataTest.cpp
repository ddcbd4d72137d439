#include "SyxData.h"
#include "RolandChecksum.h"
#include "virtual/VirtualMidiBackend.h"

#include <gtest/gtest.h>
#include <random>

using namespace vorlo;

namespace {

QByteArray bytes(std::initializer_list<int> b) {
    QByteArray out;
    for (int v : b)
        out.append(static_cast<char>(v));
    return out;
}

QString hex(const QByteArray& b) {
    return VirtualMidiBackend::hex(b);
}

QByteArray dataSet(std::initializer_list<int> addressAndData) {
    return RolandChecksum::dataSet(0x10, bytes(addressAndData));
}

} // namespace

TEST(SyxData, EveryMessageIsRebuiltInOrderAndWrongChecksumsAreMended) {
    // A bulk message with a wrong checksum (00), then a system message with a right one.
    const QByteArray file =
        bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x48, 0x00, 0x00, 0x01, 0x00, 0xF7}) +
        dataSet({0x40, 0x00, 0x7F, 0x00});
    const auto r = SyxData::toSwell(file);
    EXPECT_EQ(hex(r.copy),
              "F0 41 10 42 12 58 00 00 01 27 F7 " + hex(dataSet({0x40, 0x00, 0x7F, 0x00})));
    EXPECT_TRUE(r.complete());
}

TEST(SyxData, PartParametersOfPortAGoToTheSamePartOfPortB) {
    // Tone, level and a controller destination of part 1; the system reset stays where it is.
    const QByteArray great = dataSet({0x40, 0x11, 0x00, 0x00, 0x13}) +
                             dataSet({0x40, 0x11, 0x19, 0x64}) + dataSet({0x40, 0x21, 0x04, 0x0A}) +
                             dataSet({0x40, 0x41, 0x00, 0x01}) + dataSet({0x40, 0x01, 0x30, 0x04});
    const QByteArray swell = dataSet({0x50, 0x11, 0x00, 0x00, 0x13}) +
                             dataSet({0x50, 0x11, 0x19, 0x64}) + dataSet({0x50, 0x21, 0x04, 0x0A}) +
                             dataSet({0x50, 0x41, 0x00, 0x01}) + dataSet({0x40, 0x01, 0x30, 0x04});
    EXPECT_EQ(hex(SyxData::toSwell(great).copy), hex(swell));
}

TEST(SyxData, ReceiveChannelBecomesTheSwellChannel) {
    // Alone, and inside a write that starts before it; a part switched off stays off.
    EXPECT_EQ(hex(SyxData::toSwell(dataSet({0x40, 0x13, 0x02, 0x00})).copy),
              hex(dataSet({0x50, 0x13, 0x02, 0x01})));
    EXPECT_EQ(hex(SyxData::toSwell(dataSet({0x40, 0x13, 0x00, 0x00, 0x13, 0x00})).copy),
              hex(dataSet({0x50, 0x13, 0x00, 0x00, 0x13, 0x01})));
    EXPECT_EQ(hex(SyxData::toSwell(dataSet({0x40, 0x13, 0x02, 0x10})).copy),
              hex(dataSet({0x50, 0x13, 0x02, 0x10})));
    // The scale tuning's bytes are not a channel, wherever they fall.
    QByteArray tuning = dataSet(
        {0x40, 0x11, 0x40, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A, 0x4B});
    QByteArray moved = tuning;
    moved[5] = 0x50;
    moved[moved.size() - 2] =
        static_cast<char>(RolandChecksum::compute(QByteArrayView(moved).sliced(5, 15)));
    EXPECT_EQ(hex(SyxData::toSwell(tuning).copy), hex(moved));
}

TEST(SyxData, BulkPartAreaSetsByteEighteenToChannelTwo) {
    QByteArray bulk = bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x48, 0x17, 0x00});
    for (int i = 0; i < 14; ++i)
        bulk.append(static_cast<char>(0x05));
    bulk.append(char(0)).append(static_cast<char>(0xF7));
    const auto r = SyxData::toSwell(bulk);
    ASSERT_EQ(r.copy.size(), bulk.size());
    EXPECT_EQ(static_cast<uint8_t>(r.copy[5]), 0x58);
    EXPECT_EQ(static_cast<uint8_t>(r.copy[17]), 0x01);
    EXPECT_TRUE(RolandChecksum::isValidDataSet(r.copy));
    // Past the part area the byte is data like any other.
    bulk[6] = 0x18;
    EXPECT_EQ(static_cast<uint8_t>(SyxData::toSwell(bulk).copy[17]), 0x05);
}

TEST(SyxData, ShortMessagesAndIncompleteTailsAreLeftOutWithoutReadingPastTheEnd) {
    const QByteArray good = dataSet({0x40, 0x11, 0x19, 0x64});
    // A GM reset has no address; a tail of three bytes lacks its F7.
    const QByteArray file =
        bytes({0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7}) + good + bytes({0xF0, 0x41, 0x10});
    const auto r = SyxData::toSwell(file);
    EXPECT_EQ(hex(r.copy), hex(dataSet({0x50, 0x11, 0x19, 0x64})));
    EXPECT_EQ(r.shortMessages, 1);
    EXPECT_EQ(r.tailBytes, 3);
    EXPECT_FALSE(r.complete());
    // A message cut anywhere is never rebuilt from bytes that are not there.
    for (qsizetype n = 0; n <= good.size(); ++n) {
        const auto cut = SyxData::toSwell(good.left(n));
        EXPECT_EQ(cut.copy.isEmpty(), n < good.size()) << n;
    }
    // Entries under ten bytes have no Swell copy at all.
    EXPECT_TRUE(SyxData::toSwell(bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x48, 0xF7})).copy.isEmpty());
}

TEST(SyxData, AnyBytesGiveOnlyCompleteMessagesWithRightChecksums) {
    // Random files built mostly from the bytes that matter to the walk.
    std::mt19937 rng(20261206);
    const uint8_t alphabet[] = {0xF0, 0xF7, 0x41, 0x10, 0x42, 0x12, 0x48,
                                0x40, 0x11, 0x02, 0x00, 0x7F, 0x90, 0xFF};
    for (int round = 0; round < 3000; ++round) {
        QByteArray file;
        const int size = static_cast<int>(rng() % 80);
        for (int i = 0; i < size; ++i)
            file.append(static_cast<char>(rng() % 4 == 0 ? rng() % 256
                                                         : alphabet[rng() % sizeof alphabet]));
        const auto r = SyxData::toSwell(file);
        if (r.copy.isEmpty())
            continue;
        // Every rebuilt message ends at its own F7 and carries a right checksum.
        qsizetype start = 0;
        int messages = 0;
        while (start < r.copy.size()) {
            const qsizetype end = r.copy.indexOf(char(0xF7), start);
            ASSERT_GE(end, 0) << hex(file).toStdString();
            const QByteArray m = r.copy.mid(start, end + 1 - start);
            EXPECT_GE(m.size(), 10);
            EXPECT_EQ(static_cast<uint8_t>(m[m.size() - 2]),
                      RolandChecksum::compute(QByteArrayView(m).sliced(5, m.size() - 7)))
                << hex(file).toStdString();
            start = end + 1;
            ++messages;
        }
        EXPECT_LE(r.copy.size(), file.size());
        EXPECT_GT(messages, 0);
    }
}
