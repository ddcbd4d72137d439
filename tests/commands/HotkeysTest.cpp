#include "Hotkeys.h"
#include "support/ConsoleFixture.h"

namespace vorlo::test {
namespace {

constexpr int kF1 = 112;

class HotkeysTest : public ConsoleFixture {
protected:
    void SetUp() override {
        writeTable(markerTable());
        writeConfig([](ConsoleState& s) {
            // Every memory carries its own number as its Pedal position.
            for (int n = 13; n <= 24; ++n)
                s.slot(n).MemPED = static_cast<int16_t>(n - 12);
        });
        start();
        for (int n = 1; n <= 12; ++n)
            st().slot(n).MemPED = static_cast<int16_t>(n);
        log();
    }

    void keyDown(int code) { main().onKeyDown(code); }
    void keyPress(int code) { main().onKeyPress(code); }
};

TEST_F(HotkeysTest, FunctionKeysRecallTheFreeMemories) {
    for (int i = 1; i <= 12; ++i) {
        keyDown(kF1 + i - 1);
        EXPECT_EQ(st().LastMemory, i) << "F" << i;
        EXPECT_EQ(st().live().MemPED, i) << "F" << i;
    }
    keyDown(kF1 + 2);
    EXPECT_EQ(st().LastMemory, 3);
    EXPECT_EQ(st().live().MemPED, 3);
}

TEST_F(HotkeysTest, FunctionKeyWithRecArmedStoresIntoItsFreeMemory) {
    st().live().MemPED = 9;
    st().RecArmed = true;
    keyDown(kF1 + 2);
    EXPECT_EQ(st().slot(3).MemPED, 9);
    EXPECT_FALSE(st().RecArmed);
    EXPECT_EQ(st().LastMemory, 3);
}

TEST_F(HotkeysTest, DigitRowRecallsTheFixedMemories) {
    const struct {
        int character;
        int fixed;
    } keys[] = {{'1', 1}, {'5', 5}, {'7', 7}, {'9', 9}, {'0', 10}, {'\'', 11}, {0xEC, 12}};
    for (const auto& k : keys) {
        keyPress(k.character);
        EXPECT_EQ(st().LastMemory, 12 + k.fixed) << "character " << k.character;
        EXPECT_EQ(st().live().MemPED, k.fixed) << "character " << k.character;
    }
}

TEST_F(HotkeysTest, SevenLightsTheFixedLadderUpToSeven) {
    keyPress('7');
    for (int i = 1; i <= 12; ++i) {
        const uint32_t colour = main()(QStringLiteral("Graduatore"), i).backColor();
        if (i <= 7)
            EXPECT_EQ(colour, color::Lit) << i;
        else
            EXPECT_NE(colour, color::Lit) << i;
    }
}

TEST_F(HotkeysTest, OtherKeysDoNothing) {
    keyDown(kF1 + 4);
    log();
    const ConsoleState before = st();
    for (int code : {kF1 - 1, kF1 + 12, int('1'), 27, 13})
        keyDown(code);
    for (int code : {int('='), int('?'), int('^'), int('!'), int('a'), 0xED, 0xCC, 32})
        keyPress(code);
    EXPECT_EQ(st().LastMemory, 5);
    EXPECT_EQ(st().live().MemPED, before.live().MemPED);
    EXPECT_TRUE(log().isEmpty());
}

} // namespace
} // namespace vorlo::test
