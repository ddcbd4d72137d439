#include "PanelLayout.h"
#include "ConsoleForms.h"
#include "MainWindowControls.h"
#include "support/ConsoleFixture.h"

#include <cmath>

namespace vorlo::test {
namespace {

namespace m = ctl::main;

constexpr double kTolerance = 1e-6;

// Expected place of a control, in twips.
struct Box {
    double left, top, width, height;
};

void expectBox(const Control& c, const Box& b) {
    SCOPED_TRACE(c.key().toStdString());
    EXPECT_NEAR(c.left(), b.left, kTolerance);
    EXPECT_NEAR(c.top(), b.top, kTolerance);
    EXPECT_NEAR(c.width(), b.width, kTolerance);
    if (std::isnan(b.height))
        EXPECT_TRUE(std::isnan(c.height()));
    else
        EXPECT_NEAR(c.height(), b.height, kTolerance);
}

class PanelLayoutTest : public ConsoleFixture {
protected:
    void SetUp() override {
        makeConsole();
        st().Table = markerTable();
    }

    Control& c(const ControlId& id) { return main()(id); }
    Control& c(const ControlArrayId& id, int index) { return main()(id, index); }
    PanelLayout& layout() { return console->layout(); }

    void buildStandard(double scale, bool leds = false) {
        st().GraphicMode = false;
        st().PanelScale = scale;
        st().MemoryLedsShown = leds;
        layout().ATTIVA_DISATTIVA_GRAPHIC_Interface();
        layout().LOAD_NORMAL_INTERFACE();
    }

    void buildGraphic(bool leds = false) {
        st().GraphicMode = true;
        st().MemoryLedsShown = leds;
        layout().ATTIVA_DISATTIVA_GRAPHIC_Interface();
        layout().LOAD_GRAPHIC_INTERFACE();
    }
};

TEST_F(PanelLayoutTest, MemoryIndicatorsShowEitherLedsOrLabels) {
    buildStandard(1.0, true);
    EXPECT_TRUE(c(m::LedFree, 7).isVisible());
    EXPECT_TRUE(c(m::Numerino_Led, 19).isVisible());
    EXPECT_FALSE(c(m::C_memory, 7).isVisible());
    EXPECT_FALSE(c(m::Graduatore, 7).isVisible());
    EXPECT_NEAR(c(m::CLEAR).top(), 5920, kTolerance) << "lower with LEDs";
    buildStandard(1.0, false);
    EXPECT_FALSE(c(m::LedFix, 7).isVisible());
    EXPECT_FALSE(c(m::Numerino_Led, 7).isVisible());
    EXPECT_TRUE(c(m::C_memory, 7).isVisible());
    EXPECT_TRUE(c(m::Graduatore, 12).isVisible());
    EXPECT_NEAR(c(m::CLEAR).top(), 5870, kTolerance);

    // The graphic panel shows the LEDs; its memory row is the standard panel's business only.
    buildGraphic(true);
    EXPECT_TRUE(c(m::LedFix, 1).isVisible());
    EXPECT_FALSE(c(m::Graduatore, 1).isVisible());
    EXPECT_FALSE(c(m::Numerino_Led, 1).hasBorder());
    EXPECT_TRUE(std::isnan(c(m::LedFix, 3).height())) << "the picture's own height";
    st().MemoryLedsShown = false;
    layout().VISUALIZZA_LED_O_PANNELLINI();
    EXPECT_NEAR(c(m::CLEAR).top(), 7760, kTolerance);
    EXPECT_TRUE(c(m::C_memory, 1).isVisible());
    EXPECT_FALSE(c(m::LedFree, 1).isVisible());
}

TEST_F(PanelLayoutTest, StandardStopCellLooksFollowTheGreatData) {
    st().Table.set(StopTable::kFondiGreat + 0, QByteArray(41, '\x11'));
    st().Table.set(StopTable::kFondiGreat + 1, QByteArray(40, '\x11'));
    st().Table.set(StopTable::kMutazioniGreat + 4, QByteArray());
    st().Table.set(StopTable::kMutazioniSwell + 4, QByteArray(200, '\x11'));
    c(m::Tir_FO_SW, 3).setCaption(QStringLiteral("Swell"));
    buildStandard(1.2);

    EXPECT_EQ(c(m::NomeFondi, 0).foreColor(), color::ButtonText);
    EXPECT_EQ(c(m::NomeFondi, 1).foreColor(), color::White);
    EXPECT_EQ(c(m::NomeMutaz, 4).foreColor(), color::White) << "only the Great data counts";
    for (const ControlArrayId* overlay : {&m::Tir_FO_GO, &m::Tir_FO_SW, &m::Tir_AN_GO}) {
        const Control& o = c(*overlay, 3);
        EXPECT_FALSE(o.hasBorder()) << overlay->name;
        EXPECT_TRUE(o.isTransparent()) << overlay->name;
        EXPECT_EQ(o.caption(), QStringLiteral(" ")) << overlay->name;
    }
}

TEST_F(PanelLayoutTest, MinimisedWindowKeepsItsGeometryAndStillRedrawsTheCells) {
    buildStandard(1.0);
    setWindowMinimized(main(), true);
    c(m::Tir_MU_GO, 2).setCaption(QStringLiteral("Great"));
    st().Table.set(StopTable::kFondiGreat + 5, QByteArray(50, '\x11'));
    buildStandard(1.6);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(
        dialogs.messages[0].text,
        QStringLiteral("Error! Main Panel cannot be resized when it is collapsed on window bar!"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Fatal Error!"));
    EXPECT_NEAR(main().width(), 9680, kTolerance);
    expectBox(c(m::NomeFondi, 10), {1080, 160, 996, 480});
    EXPECT_EQ(c(m::Tir_MU_GO, 2).caption(), QStringLiteral(" "));
    EXPECT_EQ(c(m::NomeFondi, 5).foreColor(), color::ButtonText);

    setWindowMinimized(main(), false);
    buildStandard(1.6);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NEAR(main().width(), 9680 * 1.6, kTolerance);
}

// The window, its frame and the Swell overlays follow the panel size; a damaged size is drawn
// within its range. Every control, the thru and sub-octave buttons included, takes the size drawn.
TEST_F(PanelLayoutTest, ThePanelIsDrawnAtItsSizeKeptWithinItsRange) {
    // The Swell overlay sits half a column (its integer part) right of its name.
    const struct {
        double stored, drawn, width, height, frameWidth, swellLeft;
    } cases[] = {
        {0.8, 0.8, 7744, 5596, 7574.4, 462},       {1.0, 1.0, 9680, 6870, 9468, 577},
        {1.4, 1.4, 13552, 9418, 13255.2, 808},     {1.6, 1.6, 15488, 10692, 15148.8, 924},
        {0.0, 0.8, 7744, 5596, 7574.4, 462},       {-3.0, 0.8, 7744, 5596, 7574.4, 462},
        {0.7, 0.8, 7744, 5596, 7574.4, 462},       {1.7, 1.6, 15488, 10692, 15148.8, 924},
        {3276.7, 1.6, 15488, 10692, 15148.8, 924}, {std::nan(""), 1.0, 9680, 6870, 9468, 577},
        {INFINITY, 1.0, 9680, 6870, 9468, 577}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.stored);
        const double s = k.drawn;
        for (int thruMode : {0, 1}) {
            st().ThruMode = static_cast<int16_t>(thruMode);
            buildStandard(k.stored);
            EXPECT_NEAR(main().width(), k.width, kTolerance);
            EXPECT_NEAR(main().height(), k.height, kTolerance);
            EXPECT_NEAR(c(m::Panel_nograph, 0).width(), k.frameWidth, kTolerance);
            EXPECT_TRUE(c(m::Panel_nograph, 0).isVisible());
            EXPECT_NEAR(c(m::Tir_FO_SW, 0).left(), k.swellLeft, kTolerance);
            // Beside the Ancie heading, scaled like it.
            expectBox(c(m::Subottava),
                      {5375 * s, 30 * s, (thruMode == 1 ? 1000 : 1975) * s, 240 * s});
            expectBox(c(m::THRUBUTTON), {6400 * s, 30 * s, 975 * s, 240 * s});
        }
    }
    // Every button scales but RESET's left edge; the hidden Fondi cancels are never placed.
    buildStandard(1.4);
    expectBox(c(m::RESET), {75, 7770, 4326, 336});
    expectBox(c(m::Panic), {11984, 7770, 1344, 336});
    EXPECT_FALSE(c(m::Button_Annullatori_go, 0).hasGeometry());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PanelLayoutTest, ModeSwitchShowsOneFamilyAndHidesTheOther) {
    buildGraphic();
    EXPECT_FALSE(c(m::Panel_nograph, 0).isVisible());
    EXPECT_TRUE(c(m::Sfondo).isVisible());
    for (int k : {0, 29}) {
        EXPECT_TRUE(c(m::PergamenaF, k).isVisible());
        EXPECT_TRUE(c(m::Scritta_Fondi, k).isVisible());
        EXPECT_TRUE(c(m::Tir_FO_SW_graph, k).isVisible());
    }
    EXPECT_TRUE(c(m::Tir_PED_graph, 19).isVisible());
    EXPECT_TRUE(c(m::Graphmode).isChecked());

    buildStandard(1.0);
    EXPECT_TRUE(c(m::Panel_nograph, 0).isVisible());
    EXPECT_FALSE(c(m::Sfondo).isVisible());
    EXPECT_FALSE(c(m::PergamenaP, 12).isVisible());
    EXPECT_FALSE(c(m::Scritta_Mutaz, 19).isVisible());
    EXPECT_FALSE(c(m::Tir_AN_SW_graph, 5).isVisible());
    EXPECT_FALSE(c(m::Graphmode).isChecked());
}

TEST_F(PanelLayoutTest, GraphicPanelWindowCellsAndKnobs) {
    st().LoadSyxName = false;
    st().StopFont = FontStyle{QStringLiteral("Courier New"), 9, false, true};
    buildGraphic();
    EXPECT_NEAR(main().width(), 12288, kTolerance);
    EXPECT_NEAR(main().height(), 8793.6, kTolerance);
    EXPECT_EQ(c(m::Sfondo).picture(), appFile(QStringLiteral("tavola.jpg")));
    EXPECT_EQ(st().GreatTitle, QString(17, QLatin1Char(' ')) + QStringLiteral("Great "));
    EXPECT_TRUE(st().LoadSyxName);
    EXPECT_EQ(st().PicDrawOnSW, appFile(QStringLiteral("tirante_on_sw.jpg")));
    EXPECT_EQ(c(m::Scritta_Pedale, 0).font(), st().StopFont);
    // The cells' grid: the first Fondi cell, Mutazioni cell 13 in the second column, fourth row,
    // and the knob of the last Pedale cell.
    expectBox(c(m::PergamenaF, 0), {75, 910, 1100, 320});
    EXPECT_EQ(c(m::PergamenaF, 0).picture(), appFile(QStringLiteral("stucco.gif")));
    expectBox(c(m::Tir_FO_GO_graph, 0), {225, 590, 320, 320});
    expectBox(c(m::PergamenaM, 13), {5370, 2965, 1100, 320});
    expectBox(c(m::Tir_PED_graph, 19), {11420, 6755, 320, 320});
    EXPECT_EQ(c(m::Tir_PED_graph, 19).picture(), appFile(QStringLiteral("tirante_off.jpg")));
    EXPECT_EQ(c(m::Tir_AN_GO_graph, 7).picture(), appFile(QStringLiteral("tirante_off_go.jpg")));
}

TEST_F(PanelLayoutTest, GraphicModeMenuFlipsTheSettingForTheNextStart) {
    buildStandard(1.0);
    c(m::Graphmode).click();
    EXPECT_TRUE(st().GraphicMode);
    EXPECT_TRUE(c(m::Graphmode).isChecked());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral(
                  "Interface is now set to GRAPHIC mode; exit and restart Vorlo2000, please!"));
    // The panel is not rebuilt.
    EXPECT_NEAR(main().width(), 9680, kTolerance);
    EXPECT_TRUE(c(m::Panel_nograph, 0).isVisible());

    c(m::Graphmode).click();
    EXPECT_FALSE(st().GraphicMode);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text,
              QStringLiteral("Interface is now set to STANDARD PANEL mode; exit and restart "
                             "Vorlo2000, please!"));
}

// The panel as the program's start-up builds it from the configuration file.
TEST_F(ConsoleFixture, ThePanelAtStartUpIsTheOneTheConfigurationNames) {
    writeTable(markerTable());
    for (bool graphic : {false, true}) {
        SCOPED_TRACE(graphic);
        writeConfig([&](ConsoleState& s) {
            s.GraphicMode = graphic;
            s.PanelScale = 1.2;
        });
        console.reset();
        start();
        EXPECT_TRUE(main().isVisible());
        EXPECT_NEAR(main().width(), graphic ? 12288 : 9680 * 1.2, kTolerance);
        EXPECT_EQ(main()(m::Graphmode).isChecked(), graphic);
        EXPECT_EQ(main()(m::Panel_nograph, 0).isVisible(), !graphic);
        EXPECT_EQ(main()(m::Sfondo).isVisible(), graphic);
        if (graphic) {
            EXPECT_EQ(main()(m::Scritta_Ancie, 19).caption(), QStringLiteral("Ancia 19"));
            EXPECT_FALSE(main()(m::Tir_MU_SW_graph, 19).picture().isEmpty());
        } else {
            EXPECT_NEAR(main().height(), 500 + 6370 * 1.2, kTolerance);
            EXPECT_EQ(main()(m::NomePedale, 3).caption(), QStringLiteral("Pedale 3"));
            EXPECT_EQ(main()(m::LabelCorpiOrgano, 2).caption(), QStringLiteral("Ance / Archi"));
        }
    }
}

} // namespace
} // namespace vorlo::test
