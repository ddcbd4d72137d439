#include "Hotkeys.h"
#include "support/ConsoleFixture.h"

namespace vorlo::test {
namespace {

constexpr int kF1 = 112;

class HotkeysTest : public ConsoleFixture {
protected:
    void SetUp() override {
        startOnMarkerTable([](ConsoleState& s) {
            // Every memory carries its own number as its Pedal position.
            for (int n = 13; n <= 24; ++n)
                s.slot(n).MemPED = static_cast<int16_t>(n - 12);
        });
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
