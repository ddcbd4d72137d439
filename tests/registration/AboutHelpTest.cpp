#include "AboutHelp.h"
#include "support/ConsoleFixture.h"

#include <QFile>

namespace vorlo::test {
namespace {

class AboutHelpTest : public ConsoleFixture {
protected:
    void SetUp() override {
        writeTable(markerTable());
        makeConsole();
        st().DatFilePath = appFile(QStringLiteral("vorlo2000.dat"));
        console->CARICAMENTO_DAT(); // sets the program title
    }

    Form& about() { return form(forms::About); }
    Form& help() { return form(forms::Help); }
    void menu(const char* item) { main()(QString::fromLatin1(item)).click(); }
};

TEST_F(AboutHelpTest, AboutWindowOpensCentredWithTitlePictureAndIcon) {
    ASSERT_FALSE(main().caption().isEmpty());
    menu("About");
    EXPECT_TRUE(about().isLoaded());
    EXPECT_TRUE(about().isVisible());
    EXPECT_EQ(about().caption(), QStringLiteral("About VORLO 2000 Graphic Version"));
    EXPECT_EQ(about()(QStringLiteral("LabelNomeprog")).caption(), main().caption());
    EXPECT_EQ(about()(QStringLiteral("Image1")).picture(), appFile(QStringLiteral("about.jpg")));
    EXPECT_EQ(about().picture(), appFile(QStringLiteral("flgitaly.ico")));
    EXPECT_EQ(about()(QStringLiteral("Label1")).caption(),
              QStringLiteral("This program is designed for Roland Sound Canvas SC88 or Highers  "));
    EXPECT_EQ(about()(QStringLiteral("Command1")).caption(), QStringLiteral(" OK"));

    // Centred on the 1920 x 1080 screen (15 twips a pixel).
    ASSERT_TRUE(std::isfinite(about().width()));
    EXPECT_DOUBLE_EQ(about().left(), (1920 * 15 - about().width()) / 2);
    EXPECT_DOUBLE_EQ(about().top(), (1080 * 15 - about().height()) / 2);
}

TEST_F(AboutHelpTest, SecondAboutBringsBackTheOpenWindowAndOkClosesIt) {
    menu("About");
    about().setLeft(0); // the player moved it aside
    about().setVisible(false);
    menu("About");
    EXPECT_TRUE(about().isVisible());
    EXPECT_EQ(about().left(), 0) << "the open window is shown again, not loaded anew";

    about()(QStringLiteral("Command1")).click();
    EXPECT_FALSE(about().isVisible());
    EXPECT_FALSE(about().isLoaded());

    menu("About");
    EXPECT_DOUBLE_EQ(about().left(), (1920 * 15 - about().width()) / 2);

    // Closing from the title bar unloads it as well.
    EXPECT_TRUE(about().requestClose());
    EXPECT_FALSE(about().isLoaded());
}

TEST_F(AboutHelpTest, HelpShowsTheHtmlGuideFromTheProgramFolder) {
    const QString path = appFile(QStringLiteral("vorlo 2000.html"));
    EXPECT_EQ(console->aboutHelp().helpFile(), path);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<html><body>Guide</body></html>");
    f.close();

    menu("Help1");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(help().isVisible());
    EXPECT_EQ(help()(QStringLiteral("HelpBrowser")).caption(), path);
    // The console stays usable: the help window is not modal.
    EXPECT_FALSE(help().isModal());
}

TEST_F(AboutHelpTest, MissingHelpFileIsToldAndNothingOpens) {
    menu("Help1");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("vorlo 2000.html")));
    EXPECT_FALSE(help().isVisible());
    EXPECT_TRUE(help()(QStringLiteral("HelpBrowser")).caption().isEmpty());
}

} // namespace
} // namespace vorlo::test
