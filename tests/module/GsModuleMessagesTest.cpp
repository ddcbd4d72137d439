// The GS module's addressing and data-set framing, checked against messages published for GS
// modules and against damaged buffers such as a cut .syx file gives.
#include "GsAddress.h"
#include "GsConstants.h"
#include "GsDataSet.h"
#include "RolandChecksum.h"
#include "SysexSequence.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>

using namespace vorlo;

namespace {

QByteArray bytes(std::initializer_list<int> list) {
    QByteArray b;
    for (int v : list)
        b.append(static_cast<char>(v));
    return b;
}

const QByteArray kGsReset =
    bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7});

} // namespace

TEST(GsDataSet, BuildsAndReadsPublishedMessages) {
    EXPECT_EQ(GsDataSet::make(0x10, {gs::PortA, gs::SystemBlock, gs::GsReset}, gs::GsResetValue),
              kGsReset);
    // Master volume at its top, and part 11 made a drum part (use for rhythm 2).
    EXPECT_EQ(GsDataSet::make(0x10, {0x40, 0x00, 0x04}, 0x7F),
              bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x04, 0x7F, 0x3D, 0xF7}));
    EXPECT_EQ(GsDataSet::make(0x10, GsAddress::ofPart(11, gs::PartParameterBlock, 0x15), 0x02),
              bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x1A, 0x15, 0x02, 0x0F, 0xF7}));

    const QByteArray tuning =
        bytes({0xF0, 0x41, 0x17, 0x42, 0x12, 0x50, 0x10, 0x40, 0x3A, 0x46, 0x40,
               0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x40, 0x00, 0xF7});
    QByteArray sealed = tuning;
    EXPECT_FALSE(GsDataSet::read(sealed)) << "checksum not yet written";
    GsDataSet::seal(sealed);
    const auto set = GsDataSet::read(sealed);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->device, 0x17);
    EXPECT_EQ(set->address, (GsAddress{0x50, 0x10, 0x40}));
    EXPECT_EQ(GsAddress::partOf(set->address.high, set->address.middle), 26);
    EXPECT_EQ(set->data.toByteArray(), tuning.mid(8, 12));
}

TEST(GsDataSet, RefusesWhatTheModuleWouldNotTake) {
    // The checksum makes address and data add up to a multiple of 128.
    EXPECT_EQ(RolandChecksum::compute(QByteArray("\x40\x40", 2)), 0x00) << "sum 128";
    EXPECT_EQ(RolandChecksum::compute(QByteArray("\x7F", 1)), 0x01);
    QByteArray wrongSum = kGsReset;
    wrongSum[9] = 0x42;
    EXPECT_TRUE(GsDataSet::hasHeader(wrongSum));
    EXPECT_FALSE(GsDataSet::read(wrongSum));

    // A status byte in the address, with a checksum that would add up over it.
    QByteArray status = bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x90, 0x00, 0x00, 0xF7});
    GsDataSet::seal(status);
    EXPECT_TRUE(GsDataSet::hasHeader(status));
    EXPECT_FALSE(GsDataSet::read(status));

    // Another maker, another model, a data request, no data byte, no F7.
    for (int at : {1, 3, 4}) {
        QByteArray other = kGsReset;
        other[at] = 0x11;
        EXPECT_FALSE(GsDataSet::hasHeader(other)) << at;
    }
    EXPECT_FALSE(
        GsDataSet::hasHeader(bytes({0xF0, 0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x41, 0xF7})));
    EXPECT_FALSE(GsDataSet::hasHeader(kGsReset.left(10)));
}

TEST(GsAddress, PartsLieOnTheirPortsWithPartTenAtBlockZero) {
    struct Case {
        int part;
        uint8_t port, middle;
    };
    for (const Case c :
         {Case{1, 0x40, 0x11}, Case{9, 0x40, 0x19}, Case{10, 0x40, 0x10}, Case{11, 0x40, 0x1A},
          Case{16, 0x40, 0x1F}, Case{17, 0x50, 0x11}, Case{25, 0x50, 0x19}, Case{26, 0x50, 0x10},
          Case{27, 0x50, 0x1A}, Case{32, 0x50, 0x1F}}) {
        const GsAddress a = GsAddress::ofPart(c.part, gs::PartParameterBlock, 0x19);
        EXPECT_EQ(a, (GsAddress{c.port, c.middle, 0x19})) << c.part;
    }
    EXPECT_EQ(GsAddress::ofPart(10, gs::ControllerBlock, 0x42), (GsAddress{0x40, 0x20, 0x42}));
    EXPECT_EQ(GsAddress::ofPart(32, gs::PartExtraBlock, 0x00), (GsAddress{0x50, 0x4F, 0x00}));

    // Every part has its own block, and the block leads back to the part.
    std::set<std::pair<uint8_t, uint8_t>> seen;
    for (int p = 1; p <= gs::PartCount; ++p) {
        const GsAddress a = GsAddress::ofPart(p, gs::ControllerBlock, 0);
        EXPECT_TRUE(seen.insert({a.high, a.middle}).second) << p;
        EXPECT_EQ(GsAddress::partOf(a.high, a.middle), p);
    }
    EXPECT_EQ(GsAddress::partOf(0x48, 0x11), 0) << "bulk dump area: no part";
}

TEST(GsAddress, NextCarriesSevenBitsAByte) {
    EXPECT_EQ((GsAddress{0x40, 0x11, 0x4B}.next()), (GsAddress{0x40, 0x11, 0x4C}));
    EXPECT_EQ((GsAddress{0x40, 0x00, 0x7F}.next()), (GsAddress{0x40, 0x01, 0x00}));
    EXPECT_EQ((GsAddress{0x48, 0x7F, 0x7F}.next()), (GsAddress{0x49, 0x00, 0x00}));
}

TEST(SysexSequence, WalksADamagedBuffer) {
    // A message cut short before a whole one, a stray F7, a whole one, a cut tail.
    const QByteArray cut = bytes({0xF0, 0x41, 0x10});
    const QByteArray buffer = cut + kGsReset + bytes({0xF7}) + kGsReset + cut;
    const auto split = SysexSequence::split(buffer);
    ASSERT_EQ(split.pieces.size(), 3u);
    EXPECT_EQ(split.pieces[0].toByteArray(), cut + kGsReset);
    EXPECT_EQ(split.pieces[1].toByteArray(), bytes({0xF7}));
    EXPECT_EQ(split.pieces[2].toByteArray(), kGsReset);
    EXPECT_EQ(split.tail.toByteArray(), cut);

    EXPECT_EQ(SysexSequence::lastMessageIn(split.pieces[0]).toByteArray(), kGsReset);
    EXPECT_TRUE(SysexSequence::lastMessageIn(split.pieces[1]).isEmpty());

    for (auto inside : {SysexSequence::Inside::AnyBytes, SysexSequence::Inside::DataBytesOnly}) {
        EXPECT_FALSE(SysexSequence::isComplete(buffer, inside));
        EXPECT_FALSE(SysexSequence::isComplete(QByteArray(), inside));
        EXPECT_FALSE(SysexSequence::isComplete(bytes({0x90, 0x3C, 0x64}) + kGsReset, inside));
        EXPECT_TRUE(SysexSequence::isComplete(kGsReset + kGsReset, inside));
    }
    // An F0 or a note-on inside a message: whole for the wire, spoilt for a stops-table entry.
    for (int status : {0xF0, 0x90}) {
        QByteArray inner = kGsReset;
        inner[7] = static_cast<char>(status);
        EXPECT_TRUE(SysexSequence::isComplete(inner, SysexSequence::Inside::AnyBytes));
        EXPECT_FALSE(SysexSequence::isComplete(inner, SysexSequence::Inside::DataBytesOnly));
    }
}
