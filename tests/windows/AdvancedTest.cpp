#include "AdvancedControls.h"
#include "AdvancedWindowControls.h"
#include "RolandChecksum.h"
#include "TemperamentBuilder.h"
#include "support/ConsoleFixture.h"

using namespace vorlo;
using namespace vorlo::test;

namespace {

const QByteArray kOffsets("\x40\x3E\x42\x40\x3C\x44\x3E\x42\x40\x3E\x44\x3C", 12);

class Advanced : public ConsoleFixture {
protected:
    void SetUp() override {
        startOnMarkerTable([this](ConsoleState& s) { tweak(s); });
    }
    virtual void tweak(ConsoleState&) {}
    Control& adv(const ControlId& id) { return console->form(ctl::advanced::Window)(id); }
    Control& adv(const ControlArrayId& id, int index) {
        return console->form(ctl::advanced::Window)(id, index);
    }
};

} // namespace

TEST(TemperamentBuilder, RotatesTheOffsetsToTheStartNoteAndAddressesAllThirtyTwoParts) {
    std::array<QByteArray, 33> out{};
    const QByteArray stored = ConsoleFixture::temperamentMessage(kOffsets);
    ASSERT_TRUE(TemperamentBuilder::build(stored, 2, out));
    const QByteArray rotated("\x44\x3C\x40\x3E\x42\x40\x3C\x44\x3E\x42\x40\x3E", 12);
    // Every part gets the rotated offsets at its own address (GsAddressTest pins the addresses).
    for (int p = 1; p <= 32; ++p) {
        EXPECT_EQ(out[p].mid(8, 12), rotated) << p;
        EXPECT_TRUE(RolandChecksum::isValidDataSet(out[p])) << p;
    }
    EXPECT_EQ(out[10], RolandChecksum::dataSet(0x10, "\x40\x10\x40" + rotated));
    EXPECT_EQ(out[26].mid(5, 3), QByteArray("\x50\x10\x40", 3));
    // Start note C and "nothing selected" leave the offsets as stored.
    ASSERT_TRUE(TemperamentBuilder::build(stored, 0, out));
    EXPECT_EQ(out[5].mid(8, 12), kOffsets);
    ASSERT_TRUE(TemperamentBuilder::build(stored, -1, out));
    EXPECT_EQ(out[5].mid(8, 12), kOffsets);
}

TEST(TemperamentBuilder, ShortOrUnterminatedEntriesNeverReadPastTheirEnd) {
    std::array<QByteArray, 33> out{};
    out[4] = "previous";
    EXPECT_FALSE(TemperamentBuilder::build("\xF0\xF7", 0, out));
    EXPECT_FALSE(TemperamentBuilder::build(
        QByteArray("\xF0\x41\x10\x42\x12\x40\x11\x40\x40\xF7", 10), 3, out));
    EXPECT_EQ(out[4], "previous");
    // Without an F7 the entry is used up to its end.
    QByteArray noEnd = ConsoleFixture::temperamentMessage(kOffsets);
    noEnd.chop(2);
    ASSERT_TRUE(TemperamentBuilder::build(noEnd, 0, out));
    EXPECT_EQ(out[1].mid(8, 12), kOffsets);
}

TEST_F(Advanced, BalanceSlidersMoveOneGroupWhateverTheCoupling) {
    adv(ctl::advanced::OptionGlobalCoupling, 2).selectOption();
    EXPECT_EQ(st().GlobalCoupling, 2);
    adv(ctl::advanced::SliderMutazioni, 2).scroll(20);
    EXPECT_EQ(log(), QStringList({"B1 08 6B"}));
    EXPECT_EQ(st().live().MemBalMU_SW, 20);
    EXPECT_EQ(st().live().MemBalMU_GO, 127);
    EXPECT_EQ(adv(ctl::advanced::EXPmutazioni, 2).caption(), QStringLiteral("20"));
    adv(ctl::advanced::SliderFondi, 1).scroll(0);
    EXPECT_EQ(log(), QStringList({"B0 07 7F"})) << "balance 0 sends full attenuation";
}

TEST_F(Advanced, LevelSlidersFollowTheirCoupling) {
    adv(ctl::advanced::SliderPE).scroll(100);
    EXPECT_EQ(log(), QStringList({"B2 0B 64"})) << "no coupling";
    adv(ctl::advanced::OptionGlobalCoupling, 1).selectOption();
    EXPECT_EQ(adv(ctl::advanced::OptionGlobalCoupling, 0).value(), 0);
    adv(ctl::advanced::SliderPE).scroll(90);
    EXPECT_EQ(log(), QStringList({"B2 0B 5A"}))
        << "the Pedal moves alone with Great and Swell coupled";
    adv(ctl::advanced::SliderSW).scroll(80);
    EXPECT_EQ(log(), QStringList({"B0 0B 50", "B1 0B 50"}));
    EXPECT_EQ(adv(ctl::advanced::SliderGO).value(), 80);
    adv(ctl::advanced::OptionGlobalCoupling, 2).selectOption();
    adv(ctl::advanced::SliderPE).scroll(100);
    EXPECT_EQ(log(), QStringList({"B1 0B 64", "B0 0B 64", "B2 0B 64"}));
    EXPECT_EQ(st().live().MemExprGO, 100);
    EXPECT_EQ(adv(ctl::advanced::EXPSW).caption(), QStringLiteral("100"));
    adv(ctl::advanced::SliderGO).scroll(20);
    EXPECT_EQ(st().live().MemExprGO, 60) << "a level slider stops at 60";
}
