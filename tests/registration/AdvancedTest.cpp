#include "AdvancedControls.h"
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
        writeTable(markerTable());
        writeConfig([this](ConsoleState& s) { tweak(s); });
        start();
    }
    virtual void tweak(ConsoleState&) {}
    Control& adv(const char* name, int index = -1) {
        return form(forms::Advanced)(QString::fromLatin1(name), index);
    }
};

} // namespace

TEST(TemperamentBuilder, RotatesTheOffsetsToTheStartNoteAndAddressesAllThirtyTwoParts) {
    std::array<QByteArray, 33> out{};
    const QByteArray stored = ConsoleFixture::temperamentMessage(kOffsets);
    ASSERT_TRUE(TemperamentBuilder::build(stored, 2, out));
    const QByteArray rotated("\x44\x3C\x40\x3E\x42\x40\x3C\x44\x3E\x42\x40\x3E", 12);
    auto expected = [&](uint8_t port, uint8_t part) {
        QByteArray body;
        body.append(static_cast<char>(port));
        body.append(static_cast<char>(part));
        body.append('\x40');
        body.append(rotated);
        return RolandChecksum::dataSet(0x10, body);
    };
    EXPECT_EQ(out[1], expected(0x40, 0x11));
    EXPECT_EQ(out[9], expected(0x40, 0x19));
    EXPECT_EQ(out[10], expected(0x40, 0x10));
    EXPECT_EQ(out[11], expected(0x40, 0x1A));
    EXPECT_EQ(out[16], expected(0x40, 0x1F));
    EXPECT_EQ(out[17], expected(0x50, 0x11));
    EXPECT_EQ(out[26], expected(0x50, 0x10));
    EXPECT_EQ(out[32], expected(0x50, 0x1F));
    for (int p = 1; p <= 32; ++p) {
        EXPECT_EQ(out[p].size(), 22);
        EXPECT_TRUE(RolandChecksum::isValidDataSet(out[p])) << p;
    }
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

TEST_F(Advanced, ChoosingATemperamentOrItsStartNoteSendsThirtyTwoMessagesInOrder) {
    adv("Temperamenti").chooseListIndex(3);
    const QStringList sent = log();
    ASSERT_EQ(sent.size(), 32);
    EXPECT_EQ(st().Temperament, 3);
    for (int p = 1; p <= 32; ++p)
        EXPECT_EQ(sent[p - 1], temp(p));
    EXPECT_EQ(st().SysexTemp[1].mid(8, 12), QByteArray(12, '\x43'));
    adv("NotaInizTemp").chooseListIndex(4);
    EXPECT_EQ(log().size(), 32);
    EXPECT_EQ(st().TemperamentStart, 4);
}

TEST_F(Advanced, ReverbAndTremoloTypeSendTheirStoredEntries) {
    adv("Riverberi").chooseListIndex(3);
    adv("TremoloType").chooseListIndex(1);
    adv("TremoloType").chooseListIndex(0);
    EXPECT_EQ(log(), QStringList({marker(25), marker(37), marker(38), marker(35), marker(36)}));
    EXPECT_EQ(st().ReverbType, 3);
    EXPECT_EQ(st().TremoloType, 0);
}

TEST_F(Advanced, BalanceSlidersMoveOneGroupWhateverTheCoupling) {
    adv("OptionGlobalCoupling", 2).selectOption();
    EXPECT_EQ(st().GlobalCoupling, 2);
    adv("SliderMutazioni", 2).scroll(20);
    EXPECT_EQ(log(), QStringList({"B1 08 6B"}));
    EXPECT_EQ(st().live().MemBalMU_SW, 20);
    EXPECT_EQ(st().live().MemBalMU_GO, 127);
    EXPECT_EQ(adv("EXPmutazioni", 2).caption(), QStringLiteral("20"));
    adv("SliderFondi", 1).scroll(0);
    EXPECT_EQ(log(), QStringList({"B0 07 7F"})) << "balance 0 sends full attenuation";
}

TEST_F(Advanced, LevelSlidersFollowTheirCoupling) {
    adv("SliderPE").scroll(100);
    EXPECT_EQ(log(), QStringList({"B2 0B 64"})) << "no coupling";
    adv("OptionGlobalCoupling", 1).selectOption();
    EXPECT_EQ(adv("OptionGlobalCoupling", 0).value(), 0);
    adv("SliderPE").scroll(90);
    EXPECT_EQ(log(), QStringList({"B2 0B 5A"}))
        << "the Pedal moves alone with Great and Swell coupled";
    adv("SliderSW").scroll(80);
    EXPECT_EQ(log(), QStringList({"B0 0B 50", "B1 0B 50"}));
    EXPECT_EQ(adv("SliderGO").value(), 80);
    adv("OptionGlobalCoupling", 2).selectOption();
    adv("SliderPE").scroll(100);
    EXPECT_EQ(log(), QStringList({"B1 0B 64", "B0 0B 64", "B2 0B 64"}));
    EXPECT_EQ(st().live().MemExprGO, 100);
    EXPECT_EQ(adv("EXPSW").caption(), QStringLiteral("100"));
    adv("SliderGO").scroll(20);
    EXPECT_EQ(st().live().MemExprGO, 60) << "a level slider stops at 60";
}

TEST_F(Advanced, TheWindowRefusesToCloseAndSettingASliderFromTheProgramRunsNoHandler) {
    EXPECT_FALSE(form(forms::Advanced).requestClose());
    EXPECT_TRUE(form(forms::Advanced).isVisible());
    adv("SliderGO").setValue(70);
    adv("SliderFondi", 1).setValue(70);
    EXPECT_TRUE(log().isEmpty());
    EXPECT_EQ(st().live().MemExprGO, 127);
}
