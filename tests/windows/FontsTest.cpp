#include "Fonts.h"
#include "FontsWindowControls.h"
#include "MainWindowControls.h"
#include "PanelLayout.h"
#include "support/ConsoleFixture.h"

namespace vorlo::test {
namespace {

namespace m = ctl::main;
namespace fw = ctl::fonts;

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

    Control& c(const ControlId& id) { return main()(id); }
    Control& c(const ControlArrayId& id, int index) { return main()(id, index); }
    Form& window() { return console->form(fw::Window); }
    Control& w(const ControlId& id) { return window()(id); }
    Fonts& fonts() { return console->fonts(); }

    void standardFonts(double scale) {
        st().PanelScale = scale;
        fonts().SET_FONTS_NORMAL_INTERFACE();
    }
    void openWindow() {
        st().GraphicMode = true;
        c(m::SetFont).click();
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
        EXPECT_EQ(c(m::NomeFondi, 29).font(), r.label);
        EXPECT_EQ(c(m::NomePedale, 19).font(), r.label);
        EXPECT_EQ(c(m::Tir_FO_SW, 29).font(), r.selector);
        EXPECT_EQ(c(m::Tir_AN_GO, 19).font(), r.selector);
        EXPECT_EQ(c(m::LabelCorpiOrgano, 3).font(), r.button);
        EXPECT_EQ(c(m::RESET).font(), r.button);
        EXPECT_EQ(c(m::LoadBuffer, 0).font(), r.button);
        EXPECT_EQ(st().GreatTitle, QString(r.blanks, QLatin1Char(' ')) + QStringLiteral("Great"));
        EXPECT_EQ(st().SwellTitle, QString(r.blanks, QLatin1Char(' ')) + QStringLiteral("Swell"));
    }
    // Buttons that the table does not name keep what they had.
    EXPECT_FALSE(c(m::UN_GOSW).hasFont());
    EXPECT_FALSE(c(m::CLEAR).hasFont());
}

TEST_F(FontsTest, PanelSizeIsRoundedHalfToEven) {
    standardFonts(1.25); // 12.5 -> 12
    EXPECT_EQ(c(m::NomeFondi, 0).font(), font("Arial", 8));
    standardFonts(1.26); // 12.6 -> 13
    EXPECT_EQ(c(m::NomeFondi, 0).font(), font("Arial", 9));
}

TEST_F(FontsTest, SizesOutsideTheTableLeaveTheTitlesAndUseUnsetFonts) {
    const QString great = QStringLiteral("   Great");
    for (double scale : {0.7, 1.7, -1.0, std::nan(""), double(INFINITY)}) {
        SCOPED_TRACE(scale);
        standardFonts(1.0);
        st().GreatTitle = great;
        standardFonts(scale);
        EXPECT_EQ(st().GreatTitle, great);
        EXPECT_EQ(c(m::NomeFondi, 0).font(), Fonts::unsetFont());
        EXPECT_EQ(c(m::Tir_FO_GO, 0).font(), Fonts::unsetFont());
        EXPECT_EQ(c(m::RESET).font(), Fonts::unsetFont());
    }
}

// The standard panel takes the fonts of its size when it is drawn and when the font window's OK
// is pressed on it.
TEST_F(FontsTest, TheStandardPanelTakesItsSizeFontsWhenDrawnAndOnOk) {
    st().GraphicMode = false;
    st().PanelScale = 1.6;
    console->layout().LOAD_NORMAL_INTERFACE();
    EXPECT_EQ(c(m::NomeFondi, 4).font(), font("Arial", 11));
    EXPECT_EQ(c(m::Panic).font(), font("Arial", 12, true));

    openWindow();
    st().GraphicMode = false; // switched from the menu meanwhile
    st().PanelScale = 0.9;
    w(fw::Command_ok).click();
    EXPECT_EQ(c(m::NomeFondi, 0).font(), font("Small Fonts", 6));
}

TEST_F(FontsTest, FontMenuWorksOnlyOnTheGraphicPanel) {
    st().GraphicMode = false;
    c(m::SetFont).click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("This feature is active only for Graphical Interface!"));
    EXPECT_FALSE(window().isLoaded());
}

TEST_F(FontsTest, FontWindowOpensOnTheCurrentStopFont) {
    st().StopFont = FontStyle{QStringLiteral("Small Fonts"), 7, true, false};
    openWindow();
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(w(fw::lstSearch).listIndex(), screen.fontFamilies().indexOf("Small Fonts"));
    EXPECT_EQ(w(fw::txtSearch).font(), st().StopFont);
    EXPECT_EQ(w(fw::VScroll_fontSize).value(), 7);
    EXPECT_EQ(w(fw::Check_bold).value(), 1);
    EXPECT_EQ(w(fw::Check_corsivo).value(), 0);
    EXPECT_EQ(st().StopFont, (FontStyle{QStringLiteral("Small Fonts"), 7, true, false}))
        << "showing the font changes nothing";

    // Opening it again while open does not load it twice.
    w(fw::txtSearch).editText(QStringLiteral("Cour"));
    c(m::SetFont).click();
    EXPECT_EQ(w(fw::txtSearch).text(), QStringLiteral("Cour"));
    EXPECT_EQ(w(fw::lstSearch).items().size(), screen.fontFamilies().size());
}

TEST_F(FontsTest, SearchBoxFindsTheFirstFontByPrefix) {
    openWindow();
    const QStringList families = screen.fontFamilies();
    Control& box = w(fw::txtSearch);
    Control& list = w(fw::lstSearch);

    box.editText(QStringLiteral("COU"));
    EXPECT_EQ(list.listIndex(), families.indexOf("Courier New"));

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
    w(fw::Check_corsivo).toggleCheck(true);
    w(fw::Check_bold).toggleCheck(true);
    w(fw::VScroll_fontSize).scroll(12);
    EXPECT_EQ(w(fw::Label_size).caption(), QStringLiteral("12"));
    EXPECT_EQ(w(fw::txtSearch).font(), st().StopFont);

    // Clicking a font takes its name with the window's size and bold.
    const int courier = screen.fontFamilies().indexOf("Courier New");
    w(fw::lstSearch).chooseListIndex(courier);
    EXPECT_EQ(st().StopFont, (FontStyle{QStringLiteral("Courier New"), 12, true, true}));
    EXPECT_EQ(w(fw::txtSearch).text(), QStringLiteral("Courier New"));
    // Nothing reaches the panel before OK.
    EXPECT_NE(c(m::Scritta_Fondi, 0).font(), st().StopFont);

    w(fw::Command_ok).click();
    EXPECT_EQ(c(m::Scritta_Fondi, 0).font(), st().StopFont);
    EXPECT_EQ(c(m::Scritta_Pedale, 19).font(), st().StopFont);
    EXPECT_FALSE(window().isLoaded());
}

TEST_F(FontsTest, CancelAfterDefaultRestoresTheFontOnThePanelToo) {
    const FontStyle opened{QStringLiteral("Times New Roman"), 11, false, true};
    st().StopFont = opened;
    fonts().SET_FONTS_GRAPH_INTERFACE();
    openWindow();

    w(fw::Command_default).click();
    EXPECT_EQ(st().StopFont, (FontStyle{QStringLiteral("Small Fonts"), 7, true, false}));
    EXPECT_EQ(c(m::Scritta_Mutaz, 3).font(), Fonts::defaultStopFont()) << "Default acts at once";
    EXPECT_EQ(w(fw::txtSearch).text(), QStringLiteral("Small Fonts"));

    w(fw::Command_Cancel).click();
    EXPECT_EQ(st().StopFont, opened);
    EXPECT_EQ(c(m::Scritta_Mutaz, 3).font(), opened);
    EXPECT_EQ(c(m::Scritta_Fondi, 29).font(), opened);
    EXPECT_FALSE(window().isLoaded());

    // The next opening starts from the font then current.
    st().StopFont = font("Arial", 9);
    openWindow();
    w(fw::Command_default).click();
    w(fw::Command_Cancel).click();
    EXPECT_EQ(st().StopFont, font("Arial", 9));
}

} // namespace
} // namespace vorlo::test
