#include "Fonts.h"
#include "PanelLayout.h"
#include "support/ConsoleFixture.h"

namespace vorlo::test {
namespace {

FontStyle font(const char* name, double size, bool bold = false) {
    return FontStyle{QString::fromLatin1(name), size, bold, false};
}

class FontsTest : public ConsoleFixture {
protected:
    void SetUp() override {
        makeConsole();
        st().Table = markerTable();
        st().ProgramTitle = QStringLiteral("Vorlo2000 V2.0");
    }

    Control& c(const char* name, int index = -1) {
        return main()(QString::fromLatin1(name), index);
    }
    Form& window() { return form(forms::Fonts); }
    Control& w(const char* name) { return window()(QString::fromLatin1(name)); }
    Fonts& fonts() { return console->fonts(); }

    void standardFonts(double scale) {
        st().PanelScale = scale;
        fonts().SET_FONTS_NORMAL_INTERFACE();
    }
    void openWindow() {
        st().GraphicMode = true;
        main()(QStringLiteral("SetFont")).click();
    }
};

TEST_F(FontsTest, StandardPanelFontsFollowThePanelSize) {
    // The table of panel sizes 8..16 (tenths of the full size).
    const struct {
        double scale;
        FontStyle label, selector, button;
        int blanks;
    } rows[] = {
        {0.8, font("Small Fonts", 5), font("Small Fonts", 5, true), font("Arial", 6, true), 26},
        {0.9, font("Small Fonts", 6), font("Small Fonts", 6, true), font("Arial", 7, true), 20},
        {1.0, font("Arial", 7), font("Small Fonts", 6, true), font("Arial", 8, true), 15},
        {1.1, font("Arial", 7), font("Arial", 7), font("Arial", 8, true), 20},
        {1.2, font("Arial", 8), font("Arial", 8), font("Arial", 9, true), 20},
        {1.3, font("Arial", 9), font("Arial", 8), font("Arial", 10, true), 26},
        {1.4, font("Arial", 9), font("Arial", 8), font("Arial", 7, true), 20},
        {1.5, font("Arial", 10), font("Arial", 9), font("Arial", 10, true), 24},
        {1.6, font("Arial", 11), font("Arial", 10), font("Arial", 12, true), 20},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.scale);
        standardFonts(r.scale);
        EXPECT_EQ(c("NomeFondi", 0).font(), r.label);
        EXPECT_EQ(c("NomeFondi", 29).font(), r.label);
        EXPECT_EQ(c("NomeMutaz", 19).font(), r.label);
        EXPECT_EQ(c("NomeAnce", 7).font(), r.label);
        EXPECT_EQ(c("NomePedale", 19).font(), r.label);
        EXPECT_EQ(c("Tir_FO_GO", 0).font(), r.selector);
        EXPECT_EQ(c("Tir_FO_SW", 29).font(), r.selector);
        EXPECT_EQ(c("Tir_MU_SW", 11).font(), r.selector);
        EXPECT_EQ(c("Tir_AN_GO", 19).font(), r.selector);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(c("LabelCorpiOrgano", i).font(), r.button);
        for (const char* b :
             {"Tir_TREMOLOGO", "TIR_TREMOLOSW", "UNPII", "UNPI", "Subottava", "THRUBUTTON", "RESET",
              "Panic", "CancelALL", "Rec_button", "LabelMode"})
            EXPECT_EQ(c(b).font(), r.button) << b;
        EXPECT_EQ(c("TempMemButton", 1).font(), r.button);
        EXPECT_EQ(c("LoadBuffer", 0).font(), r.button);
        EXPECT_EQ(st().GreatTitle, QString(r.blanks, QLatin1Char(' ')) + QStringLiteral("Great"));
        EXPECT_EQ(st().SwellTitle, QString(r.blanks, QLatin1Char(' ')) + QStringLiteral("Swell"));
    }
    // Buttons that the table does not name keep what they had.
    EXPECT_FALSE(c("UN_GOSW").hasFont());
    EXPECT_FALSE(c("CLEAR").hasFont());
}

TEST_F(FontsTest, PanelSizeFourteenKeepsItsSmallButtonFont) {
    standardFonts(1.4);
    EXPECT_EQ(c("RESET").font().size, 7);
    standardFonts(1.3);
    EXPECT_EQ(c("RESET").font().size, 10);
    standardFonts(1.5);
    EXPECT_EQ(c("RESET").font().size, 10);
}

TEST_F(FontsTest, PanelSizeIsRoundedHalfToEven) {
    standardFonts(1.25); // 12.5 -> 12
    EXPECT_EQ(c("NomeFondi", 0).font(), font("Arial", 8));
    standardFonts(1.04); // 10.4 -> 10
    EXPECT_EQ(c("NomeFondi", 0).font(), font("Arial", 7));
    standardFonts(1.26); // 12.6 -> 13
    EXPECT_EQ(c("NomeFondi", 0).font(), font("Arial", 9));
}

TEST_F(FontsTest, SizesOutsideTheTableLeaveTheTitlesAndUseUnsetFonts) {
    const QString great = QStringLiteral("   Great");
    const QString swell = QStringLiteral("   Swell");
    for (double scale : {0.7, 1.7, 0.0, -1.0, 3276.7, std::nan(""), double(INFINITY)}) {
        SCOPED_TRACE(scale);
        standardFonts(1.0);
        st().GreatTitle = great;
        st().SwellTitle = swell;
        standardFonts(scale);
        EXPECT_EQ(st().GreatTitle, great);
        EXPECT_EQ(st().SwellTitle, swell);
        EXPECT_EQ(c("NomeFondi", 0).font(), Fonts::unsetFont());
        EXPECT_EQ(c("Tir_FO_GO", 0).font(), Fonts::unsetFont());
        EXPECT_EQ(c("RESET").font(), Fonts::unsetFont());
    }
}

TEST_F(FontsTest, StandardLayoutAppliesItsFonts) {
    st().GraphicMode = false;
    st().PanelScale = 1.6;
    console->layout().LOAD_NORMAL_INTERFACE();
    EXPECT_EQ(c("NomeFondi", 4).font(), font("Arial", 11));
    EXPECT_EQ(c("Panic").font(), font("Arial", 12, true));
}

TEST_F(FontsTest, FontMenuWorksOnlyOnTheGraphicPanel) {
    st().GraphicMode = false;
    main()(QStringLiteral("SetFont")).click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("This feature is active only for Graphical Interface!"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Warning"));
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(window().isLoaded());
}

TEST_F(FontsTest, FontWindowOpensOnTheCurrentStopFont) {
    st().StopFont = FontStyle{QStringLiteral("Small Fonts"), 7, true, false};
    openWindow();
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().isLoaded());
    EXPECT_EQ(window().picture(), appFile(QStringLiteral("Alph1f.ico")));
    EXPECT_EQ(w("LabelNomeprog").caption(), QStringLiteral("Vorlo2000 V2.0"));
    EXPECT_EQ(w("lstSearch").items(), screen.fontFamilies());
    EXPECT_EQ(w("txtSearch").text(), QStringLiteral("Small Fonts"));
    EXPECT_EQ(w("txtSearch").font(), st().StopFont);
    EXPECT_EQ(w("Label_size").caption(), QStringLiteral("7"));
    EXPECT_EQ(w("VScroll_fontSize").value(), 7);
    EXPECT_EQ(w("Check_bold").value(), 1);
    EXPECT_EQ(w("Check_corsivo").value(), 0);
    EXPECT_EQ(w("lstSearch").listIndex(), screen.fontFamilies().indexOf("Small Fonts"));
    EXPECT_EQ(st().StopFont, (FontStyle{QStringLiteral("Small Fonts"), 7, true, false}))
        << "showing the font changes nothing";

    // Opening it again while open does not load it twice.
    w("txtSearch").editText(QStringLiteral("Cour"));
    main()(QStringLiteral("SetFont")).click();
    EXPECT_EQ(w("txtSearch").text(), QStringLiteral("Cour"));
    EXPECT_EQ(w("lstSearch").items().size(), screen.fontFamilies().size());
}

TEST_F(FontsTest, SearchBoxFindsTheFirstFontByPrefix) {
    openWindow();
    const QStringList families = screen.fontFamilies();
    Control& box = w("txtSearch");
    Control& list = w("lstSearch");

    box.editText(QStringLiteral("ti"));
    EXPECT_EQ(list.listIndex(), families.indexOf("Times New Roman"));
    EXPECT_TRUE(fonts().searchFound());
    box.editText(QStringLiteral("COU"));
    EXPECT_EQ(list.listIndex(), families.indexOf("Courier New"));
    box.editText(QStringLiteral("a"));
    EXPECT_EQ(list.listIndex(), families.indexOf("Arial"));

    // No match: the selection is cleared and leaving the box keeps the typed text.
    box.gotFocus();
    box.editText(QStringLiteral("Zapf"));
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_FALSE(fonts().searchFound());
    box.lostFocus();
    EXPECT_EQ(box.text(), QStringLiteral("Zapf"));

    // A match: leaving the box completes the name.
    box.gotFocus();
    box.editText(QStringLiteral("times"));
    box.lostFocus();
    EXPECT_EQ(box.text(), QStringLiteral("Times New Roman"));

    box.editText(QString());
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_FALSE(fonts().searchFound());
}

TEST_F(FontsTest, WindowControlsEditTheStopFont) {
    st().StopFont = FontStyle{QStringLiteral("Arial"), 8, false, false};
    openWindow();
    w("Check_corsivo").toggleCheck(true);
    EXPECT_TRUE(st().StopFont.italic);
    w("Check_bold").toggleCheck(true);
    EXPECT_TRUE(st().StopFont.bold);
    w("VScroll_fontSize").scroll(12);
    EXPECT_EQ(st().StopFont.size, 12);
    EXPECT_EQ(w("Label_size").caption(), QStringLiteral("12"));
    EXPECT_EQ(w("txtSearch").font(), st().StopFont);

    // Clicking a font takes its name with the window's size and bold.
    const int courier = screen.fontFamilies().indexOf("Courier New");
    w("lstSearch").chooseListIndex(courier);
    EXPECT_EQ(st().StopFont, (FontStyle{QStringLiteral("Courier New"), 12, true, true}));
    EXPECT_EQ(w("txtSearch").text(), QStringLiteral("Courier New"));
    EXPECT_EQ(w("lstSearch").listIndex(), courier);
    // Nothing reaches the panel before OK.
    EXPECT_NE(c("Scritta_Fondi", 0).font(), st().StopFont);

    w("Command_ok").click();
    EXPECT_EQ(c("Scritta_Fondi", 0).font(), st().StopFont);
    EXPECT_EQ(c("Scritta_Pedale", 19).font(), st().StopFont);
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(window().isLoaded());
}

TEST_F(FontsTest, CancelAfterDefaultRestoresTheFontOnThePanelToo) {
    const FontStyle opened{QStringLiteral("Times New Roman"), 11, false, true};
    st().StopFont = opened;
    fonts().SET_FONTS_GRAPH_INTERFACE();
    openWindow();

    w("Command_default").click();
    EXPECT_EQ(st().StopFont, Fonts::defaultStopFont());
    EXPECT_EQ(st().StopFont, (FontStyle{QStringLiteral("Small Fonts"), 7, true, false}));
    EXPECT_EQ(c("Scritta_Mutaz", 3).font(), Fonts::defaultStopFont()) << "Default acts at once";
    EXPECT_EQ(w("txtSearch").text(), QStringLiteral("Small Fonts"));
    EXPECT_EQ(w("Check_corsivo").value(), 0);

    w("Command_Cancel").click();
    EXPECT_EQ(st().StopFont, opened);
    EXPECT_EQ(c("Scritta_Mutaz", 3).font(), opened);
    EXPECT_EQ(c("Scritta_Fondi", 29).font(), opened);
    EXPECT_FALSE(window().isVisible());
    EXPECT_FALSE(window().isLoaded());

    // The next opening starts from the font then current.
    st().StopFont = font("Arial", 9);
    openWindow();
    w("Command_default").click();
    w("Command_Cancel").click();
    EXPECT_EQ(st().StopFont, font("Arial", 9));
}

TEST_F(FontsTest, OkOnTheStandardPanelAppliesTheSizeFonts) {
    openWindow();
    st().GraphicMode = false; // switched from the menu meanwhile
    st().PanelScale = 0.9;
    w("Command_ok").click();
    EXPECT_EQ(c("NomeFondi", 0).font(), font("Small Fonts", 6));
}

} // namespace
} // namespace vorlo::test
