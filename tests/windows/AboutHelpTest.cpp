#include "AboutHelp.h"
#include "AboutWindowControls.h"
#include "HelpWindowControls.h"
#include "MainWindowControls.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"

namespace vorlo::test {
namespace {

namespace m = ctl::main;

class AboutHelpTest : public ConsoleFixture {
protected:
    void SetUp() override {
        writeTable(markerTable());
        makeConsole();
        st().DatFilePath = appFile(QStringLiteral("vorlo2000.dat"));
        console->CARICAMENTO_DAT(); // sets the program title
    }

    Form& about() { return console->form(ctl::about::Window); }
    Form& help() { return console->form(ctl::help::Window); }
};

// Opening About centred, once, and closing it on OK are SecondaryWindowsTest's (tests/app).
TEST_F(AboutHelpTest, TheAboutCloseBoxUnloadsItAndTheNextOpeningIsCentredAgain) {
    main()(m::About).click();
    EXPECT_EQ(about()(ctl::about::LabelNomeprog).caption(), main().caption());
    about().setLeft(0); // the player moved it aside
    EXPECT_TRUE(about().requestClose());
    EXPECT_FALSE(about().isLoaded());
    main()(m::About).click();
    ASSERT_TRUE(std::isfinite(about().width()));
    EXPECT_DOUBLE_EQ(about().left(), (1920 * 15 - about().width()) / 2);
}

TEST_F(AboutHelpTest, HelpShowsTheHtmlGuideFromTheProgramFolderOrSaysItIsMissing) {
    const QString path = appFile(QStringLiteral("vorlo 2000.html"));
    main()(m::Help1).click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("vorlo 2000.html")));
    EXPECT_FALSE(help().isVisible());

    ASSERT_TRUE(putFile(path, "<html><body>Guide</body></html>"));
    main()(m::Help1).click();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(help().isVisible());
    EXPECT_EQ(help()(ctl::help::HelpBrowser).caption(), path);
    EXPECT_FALSE(help().isModal()) << "the console stays usable";
}

} // namespace
} // namespace vorlo::test
