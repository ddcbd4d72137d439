// The transposer: every note the player plays, from the keyboards or the screen, and all its
// copies sound the chosen semitones away; a held note is released at the pitch it went out at.
#include "CommandExecutor.h"
#include "MainWindowControls.h"
#include "OnScreenKeyboard.h"
#include "support/ConsoleFixture.h"

namespace vorlo::test {
namespace {

using C = ConsoleCommand;

class TransposerTest : public ConsoleFixture {
protected:
    void SetUp() override {
        startOnMarkerTable([](ConsoleState& s) { s.ThruMode = 0; });
    }
    void transpose(int semitones) { console->commands().execute(C::setTransposition(semitones)); }
    QString shown() { return main()(ctl::main::TransposeShown).caption(); }
};

TEST_F(TransposerTest, MovesEveryNoteAndItsCopiesFromEveryRoad) {
    console->couplers().UNPI_Click();
    console->couplers().UN_GOSW_Click();
    console->couplers().Subottava_Click();
    EXPECT_EQ(shown(), QStringLiteral("Transp. 0")) << "every run starts untransposed";
    main()(ctl::main::TransposeUp).click();
    main()(ctl::main::TransposeUp).click();
    EXPECT_EQ(shown(), QStringLiteral("Transp. +2"));
    log();
    // A Pedal key: the note, its Great copy coupled on to the Swell, and the sub-octave.
    EXPECT_EQ(keys1({{0x92, 36, 80}, {0x82, 36, 0}}),
              QStringList({"92 26 50", "90 26 50", "91 26 50", "92 1A 50", //
                           "82 26 00", "80 26 00", "81 26 00", "82 1A 00"}));
    // The on-screen keyboard's Pedal row.
    const int note = OnScreenKeyboard::noteOf(0);
    console->onScreenKeyboard().press(DivisionId::Pedal, 0);
    const int v = OnScreenKeyboard::kVelocity;
    EXPECT_EQ(log(), QStringList({QString::asprintf("92 %02X %02X", note + 2, v),
                                  QString::asprintf("90 %02X %02X", note + 2, v),
                                  QString::asprintf("91 %02X %02X", note + 2, v),
                                  QString::asprintf("92 %02X %02X", note + 2 - 12, v)}));
    console->onScreenKeyboard().release(DivisionId::Pedal, 0);
    EXPECT_EQ(log().first(), QString::asprintf("82 %02X 00", note + 2));

    // The hotkeys, then the thru: keyboard 2 on channel 9 rechannelled onto the Swell.
    for (int i = 0; i < 3; ++i)
        console->hotkeys().Form_KeyPress('-');
    EXPECT_EQ(shown(), QStringLiteral("Transp. -1"));
    st().ThruMode = 1;
    main()(ctl::main::THRUBUTTON).click(); // Great -> Swell
    log();
    EXPECT_EQ(keys2({{0x98, 60, 100}, {0x88, 60, 0}}), QStringList({"91 3B 64", "81 3B 00"}));

    // The range ends: kept within -12..+12, the button that would pass them greyed.
    transpose(99);
    EXPECT_EQ(shown(), QStringLiteral("Transp. +12"));
    EXPECT_FALSE(main()(ctl::main::TransposeUp).isEnabled());
    console->hotkeys().Form_KeyPress('+');
    EXPECT_EQ(shown(), QStringLiteral("Transp. +12"));
    console->commands().execute(C::transposeStep(-1000));
    EXPECT_EQ(shown(), QStringLiteral("Transp. -12"));
    EXPECT_FALSE(main()(ctl::main::TransposeDown).isEnabled());
    EXPECT_TRUE(main()(ctl::main::TransposeUp).isEnabled());
}

TEST_F(TransposerTest, AHeldNoteIsReleasedAtThePitchItSoundedWhateverTheTranspositionIsBy) {
    console->couplers().UN_GOSW_Click();
    log();
    EXPECT_EQ(keys1({{0x90, 60, 80}}), QStringList({"90 3C 50", "91 3C 50"}));
    transpose(5);
    EXPECT_EQ(keys1({{0x90, 62, 80}}), QStringList({"90 43 50", "91 43 50"}));
    transpose(-3);
    EXPECT_EQ(keys1({{0x80, 60, 0}, {0x90, 62, 0}}),
              QStringList({"80 3C 00", "81 3C 00", "90 43 00", "91 43 00"}))
        << "note-offs and note-ons of velocity 0 alike";

    // Struck again while held under another transposition: the first note is let go first.
    EXPECT_EQ(keys1({{0x90, 64, 80}}), QStringList({"90 3D 50", "91 3D 50"}));
    transpose(2);
    EXPECT_EQ(
        keys1({{0x90, 64, 80}, {0x80, 64, 0}}),
        QStringList({"80 3D 00", "81 3D 00", "90 42 50", "91 42 50", "80 42 00", "81 42 00"}));

    // A keyboard that vanishes releases its notes where they sound; a note the other keyboard
    // holds at the same pitch keeps sounding until that one lets go.
    transpose(2);
    keys1({{0x90, 48, 80}, {0x90, 55, 80}});
    keys2({{0x90, 48, 80}});
    transpose(7);
    log();
    midi->removeDevice(QString::fromLatin1(kKeyboard1));
    settle();
    EXPECT_EQ(log(), QStringList({"80 39 00", "81 39 00"}));
    EXPECT_EQ(keys2({{0x80, 48, 0}}), QStringList({"80 32 00", "81 32 00"}));
}

TEST_F(TransposerTest, NotesMovedOffTheMidiRangeAreNotSentNorTheirReleases) {
    console->couplers().Subottava_Click();
    transpose(12);
    log();
    EXPECT_EQ(keys1({{0x90, 120, 80}, {0x90, 115, 80}}), QStringList({"90 7F 50"}));
    transpose(0);
    EXPECT_EQ(keys1({{0x80, 120, 0}, {0x80, 115, 0}}), QStringList({"80 7F 00"}));
    transpose(-12);
    EXPECT_EQ(keys1({{0x92, 11, 80}, {0x92, 30, 80}}), QStringList({"92 12 50", "92 06 50"}))
        << "key 11 falls off the bottom; key 30 sounds at 18 with its sub-octave at 6";
    EXPECT_EQ(keys1({{0x82, 11, 0}, {0x82, 30, 0}}), QStringList({"82 12 00", "82 06 00"}));
    // A release of a key never seen pressed goes out at the transposition in force, if it can.
    EXPECT_EQ(keys1({{0x80, 5, 0}, {0x80, 70, 0}}), QStringList({"80 3A 00"}));
}

TEST_F(TransposerTest, BackAtZeroEveryByteIsAsUntransposed) {
    console->couplers().UNPI_Click();
    console->couplers().UN_SWGO_Click();
    console->couplers().Subottava_Click();
    log();
    auto session = [&] {
        return keys1({{0x92, 36, 80},
                      {0x91, 60, 70},
                      {0x95, 10, 1},
                      {0xB0, 10, 100},
                      {0x91, 60, 0},
                      {0x82, 36, 0},
                      {0x85, 10, 0},
                      {0x80, 0, 0},
                      {0x92, 127, 127},
                      {0x82, 127, 64}});
    };
    const QStringList before = session();
    EXPECT_EQ(before, QStringList({"92 24 50", "90 24 50", "92 18 50", "91 3C 46", "90 3C 46",
                                   "95 0A 01", "B0 0A 64", "91 3C 00", "90 3C 00", "82 24 00",
                                   "80 24 00", "82 18 00", "85 0A 00", "80 00 00", "92 7F 7F",
                                   "90 7F 7F", "92 73 7F", "82 7F 40", "80 7F 40", "82 73 40"}));
    for (int i = 0; i < 7; ++i)
        console->hotkeys().Form_KeyPress('+');
    for (int i = 0; i < 7; ++i)
        console->hotkeys().Form_KeyPress('-');
    EXPECT_EQ(shown(), QStringLiteral("Transp. 0"));
    EXPECT_EQ(session(), before);
}

} // namespace
} // namespace vorlo::test
