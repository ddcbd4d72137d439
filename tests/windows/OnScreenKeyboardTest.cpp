// The on-screen keyboard: its notes reach the module as a keyboard's do, on their divisions,
// and every key it holds is released when it lets go, closes or is hidden.
#include "OnScreenKeyboard.h"
#include "KeyboardWindowControls.h"
#include "MainWindowControls.h"
#include "support/ConsoleFixture.h"

#include <functional>

namespace vorlo::test {
namespace {

using Row = DivisionId;
constexpr int kVelocity = OnScreenKeyboard::kVelocity;
constexpr int kKeyZ = 'Z';
constexpr int kKeyQ = 'Q';

QString message(int status, int key, int velocity) {
    return QString::asprintf("%02X %02X %02X", status, key, velocity);
}

class OnScreenKeyboardTest : public ConsoleFixture {
protected:
    void SetUp() override {
        startOnMarkerTable([](ConsoleState& s) { s.ThruMode = 0; });
        main()(ctl::main::OnScreenKbd).click();
        log();
    }
    OnScreenKeyboard& kbd() { return console->onScreenKeyboard(); }
    Form& window() { return console->form(ctl::keyboard::Window); }
    QStringList keyboard1(std::initializer_list<std::initializer_list<uint8_t>> messages) {
        for (auto m : messages)
            play(kKeyboard1, m);
        settle();
        return log();
    }
    // Presses and releases a key of a row with the mouse; what each sent.
    std::pair<QStringList, QStringList> strike(Row row, int index) {
        kbd().press(row, index);
        QStringList on = log();
        kbd().release(row, index);
        return {on, log()};
    }
};

TEST_F(OnScreenKeyboardTest, KeysSendWhatKeyboardOnePlayingThemWouldWithCouplersAndSubOctave) {
    EXPECT_TRUE(window().isVisible()) << "the menu item opens the window";
    console->couplers().UNPI_Click();
    console->couplers().UN_GOSW_Click();
    console->couplers().Subottava_Click();
    log();
    const struct {
        Row row;
        int index;
        int channel;
    } keys[] = {{Row::Great, 24, 1}, {Row::Pedal, 0, 3}, {Row::Pedal, 31, 3}, {Row::Swell, 60, 2}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.index);
        const int note = OnScreenKeyboard::noteOf(k.index);
        const auto [on, off] = strike(k.row, k.index);
        const auto onByte = static_cast<uint8_t>(0x90 + k.channel - 1);
        const auto offByte = static_cast<uint8_t>(0x80 + k.channel - 1);
        EXPECT_EQ(on, keyboard1({{onByte, static_cast<uint8_t>(note), kVelocity}}));
        EXPECT_EQ(off, keyboard1({{offByte, static_cast<uint8_t>(note), 0}}));
        EXPECT_EQ(on.first(), message(onByte, note, kVelocity)) << "played on its division";
    }
    // The Pedal's coupled chain and its sub-octave, the Great's copy on the Swell.
    kbd().press(Row::Pedal, 0);
    EXPECT_EQ(log().size(), 4);
    kbd().press(Row::Great, 0);
    EXPECT_EQ(log().size(), 2);
    EXPECT_TRUE(kbd().isHeld(Row::Pedal, 0));
    EXPECT_FALSE(kbd().isHeld(Row::Swell, 0));
}

TEST_F(OnScreenKeyboardTest, SwellAndPedalRowsSoundOnTheirDivisionsWhateverTheThruMode) {
    // Normal rechannelling on the Great body, a learned table that sends every channel to the
    // Great, learning on and the switch event armed: none of it touches the screen's notes.
    const struct {
        int mode;
        std::array<int16_t, 4> custom;
    } modes[] = {{0, {1, 0, 3, 0}}, {1, {1, 0, 3, 0}}, {2, {0, 0, 0, 0}}, {2, {1, 1, 2, 0}}};
    for (const auto& m : modes) {
        SCOPED_TRACE(m.mode);
        st().ThruMode = static_cast<int16_t>(m.mode);
        st().ThruCustom = m.custom;
        st().LearnActive = true;
        st().LearnIndex = 2;
        st().SwitchEventArmed = true;
        const int lastMemory = st().LastMemory;
        const auto [swellOn, swellOff] = strike(Row::Swell, 36);
        EXPECT_EQ(swellOn, QStringList{message(0x91, 72, kVelocity)});
        EXPECT_EQ(swellOff, QStringList{message(0x81, 72, 0)});
        const auto [pedalOn, pedalOff] = strike(Row::Pedal, 5);
        EXPECT_EQ(pedalOn, QStringList{message(0x92, 41, kVelocity)});
        EXPECT_EQ(pedalOff, QStringList{message(0x82, 41, 0)});
        EXPECT_EQ(st().ThruCustom, m.custom) << "the screen teaches no channel";
        EXPECT_TRUE(st().SwitchEventArmed) << "a screen key is never a command";
        EXPECT_EQ(st().LastMemory, lastMemory);
    }
}

TEST_F(OnScreenKeyboardTest, AKeyHeldWhileTheCouplersChangeReleasesWhatItSounded) {
    console->couplers().UN_GOSW_Click();
    console->couplers().UNPII_Click();
    console->couplers().Subottava_Click();
    log();
    kbd().press(Row::Great, 10);
    kbd().press(Row::Pedal, 12);
    const QStringList pressed = log();
    console->couplers().UN_GOSW_Click();
    console->couplers().UNPII_Click();
    console->couplers().Subottava_Click();
    log();
    kbd().release(Row::Great, 10);
    kbd().release(Row::Pedal, 12);
    const QStringList released = log();
    EXPECT_EQ(released,
              QStringList({message(0x80, 46, 0), message(0x81, 46, 0), message(0x82, 48, 0),
                           message(0x81, 48, 0), message(0x82, 36, 0)}));
    // Keyboard 1 playing the same, the couplers changing the same way, sends the same.
    console->couplers().UN_GOSW_Click();
    console->couplers().UNPII_Click();
    console->couplers().Subottava_Click();
    log();
    EXPECT_EQ(pressed, keyboard1({{0x90, 46, kVelocity}, {0x92, 48, kVelocity}}));
    console->couplers().UN_GOSW_Click();
    console->couplers().UNPII_Click();
    console->couplers().Subottava_Click();
    log();
    EXPECT_EQ(released, keyboard1({{0x80, 46, 0}, {0x82, 48, 0}}));
}

TEST_F(OnScreenKeyboardTest, ComputerKeysPlayTheGreatAndKeepTheirNotesAcrossAnOctaveShift) {
    const int base = kbd().computerKeyBase();
    EXPECT_TRUE(kbd().computerKeyDown(kKeyZ));
    EXPECT_TRUE(kbd().computerKeyDown(kKeyZ)) << "the system's repeat";
    EXPECT_EQ(log(), QStringList{message(0x90, OnScreenKeyboard::noteOf(base), kVelocity)});
    EXPECT_TRUE(kbd().isHeld(Row::Great, base));
    // An octave up, Z still holds its note and Q (an octave above Z) now plays two above it.
    EXPECT_TRUE(kbd().computerKeyDown(OnScreenKeyboard::kKeyOctaveUp));
    EXPECT_NE(window()(ctl::keyboard::LabelComputerKeys).caption().indexOf("third"), -1);
    EXPECT_TRUE(kbd().computerKeyDown(kKeyQ));
    EXPECT_EQ(log(), QStringList{message(0x90, OnScreenKeyboard::noteOf(base + 24), kVelocity)});
    // The mouse holds Z's key too: it sounds once and ends when both have let go.
    kbd().press(Row::Great, base);
    EXPECT_TRUE(log().isEmpty());
    kbd().computerKeyUp(kKeyZ);
    EXPECT_TRUE(log().isEmpty());
    kbd().release(Row::Great, base);
    EXPECT_EQ(log(), QStringList{message(0x80, OnScreenKeyboard::noteOf(base), 0)});
    kbd().computerKeyUp(kKeyQ);
    EXPECT_EQ(log(), QStringList{message(0x80, OnScreenKeyboard::noteOf(base + 24), 0)});
    EXPECT_FALSE(kbd().computerKeyDown(112)) << "F1 is left to the console";
    EXPECT_FALSE(kbd().computerKeyDown('1')) << "1 is left to the console";
    EXPECT_TRUE(log().isEmpty());
    // Above the Great's compass at the top octave a computer key plays nothing.
    for (int i = 0; i < 4; ++i)
        kbd().computerKeyDown(OnScreenKeyboard::kKeyOctaveUp);
    EXPECT_EQ(kbd().octave(), OnScreenKeyboard::kLastOctave);
    EXPECT_TRUE(kbd().computerKeyDown('P'));
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(OnScreenKeyboardTest, ClosingOrHidingTheWindowReleasesEveryKeyItHolds) {
    console->couplers().UNPI_Click();
    console->couplers().Subottava_Click();
    log();
    int changed = 0;
    QObject::connect(&kbd(), &OnScreenKeyboard::keysChanged, [&changed] { ++changed; });
    for (auto close : {std::function<void()>([this] { window().requestClose(); }),
                       std::function<void()>([this] { kbd().releaseAll(); }),
                       std::function<void()>([this] { window().setVisible(false); })}) {
        main()(ctl::main::OnScreenKbd).click();
        kbd().press(Row::Pedal, 0);
        kbd().press(Row::Swell, 7);
        kbd().computerKeyDown(kKeyZ);
        const int z = kbd().computerKeyBase();
        log();
        changed = 0;
        close();
        EXPECT_EQ(log(),
                  QStringList({message(0x80, OnScreenKeyboard::noteOf(z), 0), message(0x81, 43, 0),
                               message(0x82, 36, 0), message(0x80, 36, 0), message(0x82, 24, 0)}));
        EXPECT_FALSE(kbd().isHeld(Row::Pedal, 0));
        EXPECT_FALSE(kbd().isHeld(Row::Great, z));
        EXPECT_GE(changed, 1) << "the window repaints";
        kbd().computerKeyUp(kKeyZ);
        kbd().release(Row::Pedal, 0);
        EXPECT_TRUE(log().isEmpty()) << "nothing released twice";
    }
}

TEST_F(OnScreenKeyboardTest, AVanishedKeyboardLeavesTheScreensNoteSounding) {
    keyboard1({{0x90, 60, 80}});
    kbd().press(Row::Great, 60 - OnScreenKeyboard::kLowestKey);
    log();
    midi->removeDevice(QString::fromLatin1(kKeyboard1));
    settle();
    EXPECT_TRUE(log().isEmpty()) << "the screen still holds the note";
    kbd().release(Row::Great, 60 - OnScreenKeyboard::kLowestKey);
    EXPECT_EQ(log(), QStringList{message(0x80, 60, 0)});
}

} // namespace
} // namespace vorlo::test
