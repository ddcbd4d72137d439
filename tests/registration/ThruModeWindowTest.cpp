#include "MainWindowControls.h"
#include "ThruWindowControls.h"
#include "support/ConsoleFixture.h"

namespace vorlo::test {
namespace {

class ThruWindow : public ConsoleFixture {
protected:
    void SetUp() override {
        writeTable(markerTable());
        writeConfig([](ConsoleState& s) { s.ThruMode = 1; });
        start();
    }
    Form& thru() { return console->form(ctl::thru::Window); }
};

TEST_F(ThruWindow, CancelOrTheCloseBoxBringBackTheModeInForceAndOkKeepsTheChoice) {
    main()(ctl::main::MidiTHRU).click();
    thru()(ctl::thru::Thru_choose, 2).selectOption();
    EXPECT_TRUE(st().LearnActive);
    EXPECT_EQ(thru()(ctl::thru::Label1).backColor(), color::Lit);
    EXPECT_EQ(thru()(ctl::thru::Label2, 3).backColor(), color::Unlit);
    thru()(ctl::thru::Custom_Thru_label, 2).click();
    EXPECT_EQ(st().LearnIndex, 2);
    EXPECT_EQ(thru()(ctl::thru::Custom_Thru_label, 0).backColor(), color::Unlit);
    EXPECT_EQ(thru()(ctl::thru::Custom_Thru_label, 2).backColor(), color::Lit);
    thru()(ctl::thru::Command2).click();
    EXPECT_EQ(st().ThruMode, 1);
    EXPECT_FALSE(st().LearnActive);
    EXPECT_FALSE(thru().isVisible());
    EXPECT_TRUE(main()(ctl::main::THRUBUTTON).isVisible());

    main()(ctl::main::MidiTHRU).click();
    EXPECT_EQ(thru()(ctl::thru::Thru_choose, 1).value(), 1)
        << "the window opens on the mode in force";
    thru()(ctl::thru::Thru_choose, 0).selectOption();
    EXPECT_EQ(thru()(ctl::thru::Label3).backColor(), color::Lit);
    EXPECT_EQ(thru()(ctl::thru::Custom_Thru_label, 1).caption(),
              QStringLiteral("Not rechanneled "));
    EXPECT_TRUE(thru().requestClose());
    EXPECT_EQ(st().ThruMode, 1) << "the close box cancels";
    EXPECT_TRUE(main()(ctl::main::THRUBUTTON).isVisible());

    main()(ctl::main::MidiTHRU).click();
    thru()(ctl::thru::Thru_choose, 0).selectOption();
    EXPECT_TRUE(main()(ctl::main::THRUBUTTON).isVisible())
        << "the panel changes only when confirmed";
    thru()(ctl::thru::Command1).click();
    EXPECT_EQ(st().ThruMode, 0);
    EXPECT_FALSE(main()(ctl::main::THRUBUTTON).isVisible());
    EXPECT_TRUE(log().isEmpty()) << "choosing a mode sends nothing";
}

} // namespace
} // namespace vorlo::test
