// "Press the control, then the key": a key, a foot switch or a program change of a keyboard
// bound to a panel command works that command exactly as the panel does, through the real input
// path; the binding survives a restart, Forget gives the key back, and what the settings file
// holds that the console does not offer is left out.
#include "MainWindowControls.h"
#include "MidiBindings.h"
#include "SettingsFile.h"
#include "support/ConsoleFixture.h"

using namespace vorlo;
using namespace vorlo::test;

namespace {

class MidiLearnTest : public ConsoleFixture {
protected:
    void SetUp() override {
        StopTable t = markerTable();
        t.set(StopTable::kFondiNames + 3, QByteArrayLiteral("Principale 8'"));
        writeTable(t);
        writeConfig();
        start();
    }
    Control& principale() { return main()(ctl::main::Tir_FO_GO, 3); }
    // What the panel's click of the control sends, on a fresh console started the same way.
    QStringList clicked(const ControlArrayId& id, int index) {
        console.reset();
        start();
        main()(id, index).click();
        settle();
        return log();
    }
};

} // namespace

TEST_F(MidiLearnTest, ALearnedKeyDrawsTheStopAsTheClickDoesAndNeverSounds) {
    ASSERT_TRUE(principale().onLearn);
    principale().onLearn();
    EXPECT_TRUE(notices.texts.last().startsWith(QStringLiteral("Press the key")));
    // The learnt press and its release do nothing else.
    EXPECT_EQ(keys1({{0x90, 36, 100}, {0x80, 36, 0}}), QStringList());
    // Told by the stop's name and division, as the panel shows it.
    EXPECT_EQ(notices.texts.last(),
              QStringLiteral("\"Principale 8' (Great)\" is bound to Keyboard 1, key C2 (36), "
                             "channel 1."));

    const QStringList byKey = keys1({{0x90, 36, 100}, {0x90, 36, 0}});
    EXPECT_FALSE(byKey.isEmpty());
    EXPECT_EQ(st().live().MemFO_GO, 3);
    // Other keys and the same key on the other channel still play.
    EXPECT_EQ(keys1({{0x90, 37, 100}}), QStringList({"90 25 64"}));
    EXPECT_EQ(keys1({{0x91, 36, 100}}).size(), 1);
    EXPECT_EQ(byKey, clicked(ctl::main::Tir_FO_GO, 3));

    // After a restart the key still draws it.
    EXPECT_EQ(st().live().MemFO_GO, 3);
    console.reset();
    start();
    keys1({{0x90, 36, 100}});
    EXPECT_EQ(st().live().MemFO_GO, 3);

    // Forget gives the key back to the notes.
    principale().onForget();
    EXPECT_TRUE(notices.texts.last().contains(QStringLiteral("no longer answers to Keyboard 1")));
    EXPECT_EQ(keys1({{0x90, 36, 100}}), QStringList({"90 24 64"}));
    console.reset();
    start();
    EXPECT_EQ(keys1({{0x90, 36, 100}}), QStringList({"90 24 64"}));
}

TEST_F(MidiLearnTest, AFootSwitchWorksItsCommandOncePerPressAndAProgramChangeEachTime) {
    main()(ctl::main::Subottava).onLearn();
    keys1({{0xB0, 80, 127}});
    const bool before = st().live().MemSubottava != 0;
    keys1({{0xB0, 80, 0}, {0xB0, 80, 127}, {0xB0, 80, 100}});
    EXPECT_NE(st().live().MemSubottava != 0, before) << "pressed once: toggled once";
    keys1({{0xB0, 80, 0}, {0xB0, 80, 127}});
    EXPECT_EQ(st().live().MemSubottava != 0, before);

    // A program change bound over its default meaning (a memory command key).
    main()(ctl::main::UNPI).onLearn();
    keys1({{0xC0, 5}});
    const auto coupled = [this] { return st().live().MemUnPedale != 0; };
    const bool was = coupled();
    keys1({{0xC0, 5}});
    EXPECT_NE(coupled(), was);
    keys1({{0xC0, 5}});
    EXPECT_EQ(coupled(), was);
}

TEST_F(MidiLearnTest, StoredEntriesTheConsoleDoesNotOfferOrCannotReadAreLeftOut) {
    console.reset();
    // A drawstop the panel offers, a cancel of a manual that does not exist, garbage.
    SettingsFile(dir.path())
        .setValue(QStringLiteral("Learn/Bindings"),
                  QStringLiteral("1 n 0 40 = 0 11 2 0; 1 n 0 41 = 4 9 9 0; 1 x 0 42 = 0 11 1 0; "
                                 "2 n 16 43 = 0 11 1 0; ; junk"));
    start();
    keys1({{0x90, 40, 100}});
    EXPECT_EQ(st().live().MemFO_GO, 2);
    EXPECT_EQ(keys1({{0x90, 41, 100}}), QStringList({"90 29 64"}));
    EXPECT_EQ(keys1({{0x90, 42, 100}}), QStringList({"90 2A 64"}));
}
