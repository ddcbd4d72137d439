#include "PanelLayout.h"
#include "ConsoleForms.h"
#include "support/ConsoleFixture.h"

#include <cmath>

namespace vorlo::test {
namespace {

constexpr double kTolerance = 1e-6;

// Expected place of a control, in twips.
struct Box {
    double left, top, width, height;
};

void expectBox(const Control& c, const Box& b, double scale) {
    SCOPED_TRACE(c.key().toStdString() + " at scale " + std::to_string(scale));
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

    Control& c(const char* name, int index = -1) {
        return main()(QString::fromLatin1(name), index);
    }
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

const double kScales[] = {0.8, 1.0, 1.4, 1.6};

TEST_F(PanelLayoutTest, StandardWindowAndFrameFollowThePanelSize) {
    // Window heights from the layout's figures: 6870 x S + 500 x (1 - S).
    const struct {
        double scale;
        double height;
    } cases[] = {{0.8, 5596}, {1.0, 6870}, {1.4, 9418}, {1.6, 10692}};
    for (const auto& k : cases) {
        buildStandard(k.scale);
        const double s = k.scale;
        SCOPED_TRACE(s);
        EXPECT_NEAR(main().width(), 9680 * s, kTolerance);
        EXPECT_NEAR(main().height(), k.height, kTolerance);
        const Control& frame = c("Panel_nograph", 0);
        EXPECT_NEAR(frame.width(), 9468 * s, kTolerance);
        EXPECT_NEAR(frame.height(), 4900 * s, kTolerance);
        EXPECT_NEAR(frame.top(), 560 * s, kTolerance);
        EXPECT_TRUE(frame.isVisible());
    }
}

TEST_F(PanelLayoutTest, StandardStopGridAtEachPanelSize) {
    buildStandard(1.0);
    // The figures at full size.
    expectBox(c("NomeFondi", 0), {75, 160, 996, 480}, 1.0);
    EXPECT_NEAR(c("Tir_FO_SW", 0).left(), 577, kTolerance);
    expectBox(c("NomeFondi", 10), {1080, 160, 996, 480}, 1.0);

    for (double s : kScales) {
        buildStandard(s);
        const double t0 = std::nearbyint(160 * s);
        const double dX = 1005 * s;
        const double dY = 465 * s;
        const double swell = std::floor(dX / 2 + 1e-9);
        expectBox(c("NomeFondi", 0), {75 * s, t0, 996 * s, 480 * s}, s);
        expectBox(c("Tir_FO_GO", 0), {75 * s, t0, 480 * s, 468 * s}, s);
        expectBox(c("Tir_FO_SW", 0), {75 * s + swell, t0, 480 * s, 468 * s}, s);
        // Eleventh stop: first cell of the second column.
        expectBox(c("NomeFondi", 10), {75 * s + dX, t0, 996 * s, 480 * s}, s);
        // Last Fondi cell: third column, tenth row.
        expectBox(c("Tir_FO_SW", 29), {75 * s + 2 * dX + swell, t0 + 9 * dY, 480 * s, 468 * s}, s);
        expectBox(c("NomeMutaz", 0), {3165 * s, t0, 996 * s, 480 * s}, s);
        expectBox(c("Tir_MU_GO", 13), {3165 * s + dX, t0 + 3 * dY, 480 * s, 468 * s}, s);
        expectBox(c("Tir_AN_SW", 7), {5295 * s + swell, t0 + 7 * dY, 480 * s, 468 * s}, s);
        expectBox(c("NomePedale", 19), {7410 * s + dX, t0 + 9 * dY, 996 * s, 480 * s}, s);
    }
    // The Swell overlay's shift is the integer part of half a column: 402 at 0.8, 703 at 1.4.
    buildStandard(0.8);
    EXPECT_NEAR(c("Tir_FO_SW", 0).left(), 60 + 402, kTolerance);
    buildStandard(1.4);
    EXPECT_NEAR(c("Tir_FO_SW", 0).left(), 105 + 703, kTolerance);
}

TEST_F(PanelLayoutTest, StandardButtonsScaleExceptResetsLeftEdge) {
    for (double s : kScales) {
        buildStandard(s);
        expectBox(c("UN_GOSW"), {75 * s, 30 * s, 1515 * s, 240 * s}, s);
        expectBox(c("LabelCorpiOrgano", 2), {5375 * s, 300 * s, 1975 * s, 240 * s}, s);
        expectBox(c("TIR_TREMOLOSW"), {4275 * s, 30 * s, 970 * s, 240 * s}, s);
        expectBox(c("UNPI"), {8500 * s, 30 * s, 1010 * s, 240 * s}, s);
        expectBox(c("RESET"), {75, 5550 * s, 3090 * s, 240 * s}, s);
        expectBox(c("Button_Annullatori_sw", 2), {6400 * s, 5550 * s, 990 * s, 240 * s}, s);
        expectBox(c("Panic"), {8560 * s, 5550 * s, 960 * s, 240 * s}, s);
        expectBox(c("LoadBuffer", 1), {5675 * s, 5870 * s, 330 * s, 240 * s}, s);
    }
    // The hidden Fondi cancels are never placed.
    EXPECT_FALSE(c("Button_Annullatori_go", 0).hasGeometry());
    EXPECT_FALSE(c("Button_Annullatori_go", 0).isVisible());
}

TEST_F(PanelLayoutTest, GroupHeadingsShowTheTableGroupNames) {
    st().Table.set(StopTable::kGroupNames + 2, QByteArray("Ance / Archi \xE8"));
    buildStandard(1.0);
    EXPECT_EQ(c("LabelCorpiOrgano", 0).caption(), QStringLiteral("Fondi"));
    EXPECT_EQ(c("LabelCorpiOrgano", 2).caption(), QStringLiteral("Ance / Archi \u00E8"));
    EXPECT_EQ(c("LabelCorpiOrgano", 3).caption(), QStringLiteral("Pedale"));
}

TEST_F(PanelLayoutTest, MemoryRowSitsLowerWithLedsThanWithLabels) {
    const char* row[] = {"CLEAR", "Rec_button", "LabelMode"};
    for (double s : kScales) {
        SCOPED_TRACE(s);
        buildStandard(s, false);
        for (const char* name : row)
            EXPECT_NEAR(c(name).top(), 5870 * s, kTolerance) << name;
        EXPECT_NEAR(c("TempMemButton", 1).top(), 5870 * s, kTolerance);
        const double labelsTop = c("CLEAR").top();

        buildStandard(s, true);
        for (const char* name : row)
            EXPECT_NEAR(c(name).top(), 5920 * s, kTolerance) << name;
        EXPECT_NEAR(c("LoadBuffer", 0).top(), 5920 * s, kTolerance);
        EXPECT_NEAR(c("CLEAR").top() - labelsTop, 50 * s, kTolerance);
    }
}

TEST_F(PanelLayoutTest, StandardMemoryIndicatorsAndTheirForm) {
    for (double s : kScales) {
        buildStandard(s, true);
        // x = 30 + 265 x (i - 1).
        expectBox(c("LedFree", 1), {30 * s, 5820 * s, 230 * s, 230 * s}, s);
        expectBox(c("Numerino_Led", 1), {75 * s, 6030 * s, 240 * s, 210 * s}, s);
        expectBox(c("LedFix", 12), {(2945 + 6300) * s, 5820 * s, 230 * s, 230 * s}, s);
        expectBox(c("Numerino_Led", 24), {(2945 + 6345) * s, 6030 * s, 240 * s, 210 * s}, s);
        expectBox(c("C_memory", 5), {1090 * s, 5860 * s, 240 * s, 220 * s}, s);
        expectBox(c("Graduatore", 5), {(1090 + 6375) * s, 5860 * s, 240 * s, 220 * s}, s);
    }
    // LEDs shown: pictures and numbers visible, coloured labels hidden; and the other way.
    EXPECT_TRUE(c("LedFree", 7).isVisible());
    EXPECT_TRUE(c("Numerino_Led", 19).isVisible());
    EXPECT_FALSE(c("C_memory", 7).isVisible());
    EXPECT_FALSE(c("Graduatore", 7).isVisible());
    buildStandard(1.0, false);
    EXPECT_FALSE(c("LedFix", 7).isVisible());
    EXPECT_FALSE(c("Numerino_Led", 7).isVisible());
    EXPECT_TRUE(c("C_memory", 7).isVisible());
    EXPECT_TRUE(c("Graduatore", 12).isVisible());
}

TEST_F(PanelLayoutTest, StandardStopCellLooksFollowTheGreatData) {
    st().Table.set(StopTable::kFondiGreat + 0, QByteArray(41, '\x11'));
    st().Table.set(StopTable::kFondiGreat + 1, QByteArray(40, '\x11'));
    st().Table.set(StopTable::kMutazioniGreat + 4, QByteArray());
    st().Table.set(StopTable::kMutazioniSwell + 4, QByteArray(200, '\x11'));
    st().Table.set(StopTable::kPedale + 19, QByteArray(64, '\x11'));
    c("Tir_FO_SW", 3).setCaption(QStringLiteral("Swell"));
    buildStandard(1.2);

    EXPECT_EQ(c("NomeFondi", 0).foreColor(), color::ButtonText);
    EXPECT_EQ(c("NomeFondi", 1).foreColor(), color::White);
    EXPECT_EQ(c("NomeMutaz", 4).foreColor(), color::White) << "only the Great data counts";
    EXPECT_EQ(c("NomePedale", 19).foreColor(), color::ButtonText);
    EXPECT_EQ(c("NomePedale", 0).backColor(), color::ButtonFace);
    for (const char* overlay : {"Tir_FO_GO", "Tir_FO_SW", "Tir_AN_GO"}) {
        const Control& o = c(overlay, 3);
        EXPECT_FALSE(o.hasBorder()) << overlay;
        EXPECT_TRUE(o.isTransparent()) << overlay;
        EXPECT_EQ(o.caption(), QStringLiteral(" ")) << overlay;
    }
}

TEST_F(PanelLayoutTest, MinimisedWindowKeepsItsGeometryAndStillRedrawsTheCells) {
    buildStandard(1.0);
    setWindowMinimized(main(), true);
    c("Tir_MU_GO", 2).setCaption(QStringLiteral("Great"));
    st().Table.set(StopTable::kFondiGreat + 5, QByteArray(50, '\x11'));
    buildStandard(1.6);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(
        dialogs.messages[0].text,
        QStringLiteral("Error! Main Panel cannot be resized when it is collapsed on window bar!"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Fatal Error!"));
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Critical);
    EXPECT_NEAR(main().width(), 9680, kTolerance);
    expectBox(c("NomeFondi", 10), {1080, 160, 996, 480}, 1.6);
    EXPECT_EQ(c("Tir_MU_GO", 2).caption(), QStringLiteral(" "));
    EXPECT_EQ(c("NomeFondi", 5).foreColor(), color::ButtonText);

    setWindowMinimized(main(), false);
    buildStandard(1.6);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NEAR(main().width(), 9680 * 1.6, kTolerance);
}

TEST_F(PanelLayoutTest, DamagedPanelSizeIsDrawnWithinItsRange) {
    const struct {
        double stored;
        double drawn;
    } cases[] = {{0.0, 0.8},    {-3.0, 0.8},         {0.7, 0.8},     {1.7, 1.6},
                 {3276.7, 1.6}, {std::nan(""), 1.0}, {INFINITY, 1.0}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.stored);
        buildStandard(k.stored);
        EXPECT_NEAR(main().width(), 9680 * k.drawn, kTolerance);
        EXPECT_NEAR(c("Tir_FO_SW", 0).left(), 75 * k.drawn + std::floor(1005 * k.drawn / 2 + 1e-9),
                    kTolerance);
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PanelLayoutTest, ThruAndSubOctaveButtonsUseThePanelSizeOfEveryOtherControl) {
    const struct {
        double stored;
        double drawn;
    } cases[] = {{0.0, 0.8}, {-3.0, 0.8}, {3276.7, 1.6}, {std::nan(""), 1.0}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.stored);
        const double stored = k.stored;
        const double s = k.drawn;
        for (int thruMode : {0, 1}) {
            st().ThruMode = static_cast<int16_t>(thruMode);
            buildStandard(stored);
            // Beside the Ancie heading, scaled like it.
            expectBox(c("Subottava"),
                      {5375 * s, 30 * s, (thruMode == 1 ? 1000 : 1975) * s, 240 * s}, s);
            expectBox(c("THRUBUTTON"), {6400 * s, 30 * s, 975 * s, 240 * s}, s);
            EXPECT_NEAR(c("Subottava").left(), c("LabelCorpiOrgano", 2).left(), kTolerance);
        }
    }
}

TEST_F(PanelLayoutTest, ModeSwitchShowsOneFamilyAndHidesTheOther) {
    buildGraphic();
    EXPECT_FALSE(c("Panel_nograph", 0).isVisible());
    EXPECT_TRUE(c("Sfondo").isVisible());
    for (int k : {0, 19, 29}) {
        EXPECT_TRUE(c("PergamenaF", k).isVisible());
        EXPECT_TRUE(c("Scritta_Fondi", k).isVisible());
        EXPECT_TRUE(c("Tir_FO_GO_graph", k).isVisible());
        EXPECT_TRUE(c("Tir_FO_SW_graph", k).isVisible());
    }
    EXPECT_TRUE(c("Tir_PED_graph", 19).isVisible());
    EXPECT_TRUE(c("PergamenaA", 0).isVisible());
    EXPECT_TRUE(main()(QStringLiteral("Graphmode")).isChecked());

    buildStandard(1.0);
    EXPECT_TRUE(c("Panel_nograph", 0).isVisible());
    EXPECT_FALSE(c("Sfondo").isVisible());
    EXPECT_FALSE(c("PergamenaP", 12).isVisible());
    EXPECT_FALSE(c("Scritta_Mutaz", 19).isVisible());
    EXPECT_FALSE(c("Tir_AN_SW_graph", 5).isVisible());
    EXPECT_FALSE(c("Tir_PED_graph", 0).isVisible());
    EXPECT_FALSE(main()(QStringLiteral("Graphmode")).isChecked());
}

TEST_F(PanelLayoutTest, GraphicPanelWindowBackgroundAndButtons) {
    buildGraphic();
    EXPECT_NEAR(main().width(), 12288, kTolerance);
    EXPECT_NEAR(main().height(), 8793.6, kTolerance);
    expectBox(c("Sfondo"), {0, 0, 12268, 8773.6}, 1);
    EXPECT_EQ(c("Sfondo").picture(), appFile(QStringLiteral("tavola.jpg")));
    expectBox(c("UN_SWGO"), {1875, 30, 1740, 260}, 1);
    expectBox(c("LabelCorpiOrgano", 3), {9750, 315, 2340, 255}, 1);
    expectBox(c("UNPII"), {10980, 30, 1120, 260}, 1);
    expectBox(c("RESET"), {75, 7440, 3585, 260}, 1);
    expectBox(c("Button_Annullatori_sw", 2), {8265, 7440, 1120, 250}, 1);
    expectBox(c("CancelALL"), {5370, 7760, 660, 260}, 1);
    expectBox(c("LoadBuffer", 1), {11610, 7760, 530, 260}, 1);
    EXPECT_EQ(c("LabelCorpiOrgano", 1).caption(), QStringLiteral("Mutazioni"));
    EXPECT_EQ(st().GreatTitle, QString(17, QLatin1Char(' ')) + QStringLiteral("Great "));
    EXPECT_EQ(st().SwellTitle, QString(20, QLatin1Char(' ')) + QStringLiteral("swell "));
}

TEST_F(PanelLayoutTest, GraphicStopCellsPlatesKnobsAndFont) {
    st().LoadSyxName = false;
    st().StopFont = FontStyle{QStringLiteral("Courier New"), 9, false, true};
    buildGraphic();
    EXPECT_TRUE(st().LoadSyxName);
    const char* knobs[] = {"tirante_on.jpg",     "tirante_off.jpg",   "tirante_on_go.jpg",
                           "tirante_off_go.jpg", "tirante_on_sw.jpg", "tirante_off_sw.jpg"};
    const QString* paths[] = {&st().PicDrawOn,    &st().PicDrawOff,  &st().PicDrawOnGO,
                              &st().PicDrawOffGO, &st().PicDrawOnSW, &st().PicDrawOffSW};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(*paths[i], appFile(QString::fromLatin1(knobs[i])));
    EXPECT_EQ(c("Scritta_Fondi", 29).font(), st().StopFont);
    EXPECT_EQ(c("Scritta_Pedale", 0).font(), st().StopFont);
    const QString plate = appFile(QStringLiteral("stucco.gif"));
    // First Fondi cell at (75, 910).
    expectBox(c("PergamenaF", 0), {75, 910, 1100, 320}, 1);
    EXPECT_EQ(c("PergamenaF", 0).picture(), plate);
    expectBox(c("Scritta_Fondi", 0), {75, 910, 1100, 320}, 1);
    expectBox(c("Tir_FO_GO_graph", 0), {225, 590, 320, 320}, 1);
    expectBox(c("Tir_FO_SW_graph", 0), {725, 590, 320, 320}, 1);
    // Mutazioni cell 13: second column (4150 + 1220), fourth row (910 + 3 x 685).
    expectBox(c("PergamenaM", 13), {5370, 2965, 1100, 320}, 1);
    expectBox(c("Tir_MU_GO_graph", 13), {5520, 2645, 320, 320}, 1);
    expectBox(c("Tir_MU_SW_graph", 13), {6020, 2645, 320, 320}, 1);
    // Pedale cell 19: second column (9800 + 1220), last row (910 + 9 x 685), one knob.
    expectBox(c("Scritta_Pedale", 19), {11020, 7075, 1100, 320}, 1);
    expectBox(c("Tir_PED_graph", 19), {11420, 6755, 320, 320}, 1);
    EXPECT_EQ(c("Tir_PED_graph", 19).picture(), appFile(QStringLiteral("tirante_off.jpg")));
    EXPECT_EQ(c("Tir_AN_GO_graph", 7).picture(), appFile(QStringLiteral("tirante_off_go.jpg")));
    EXPECT_EQ(c("Tir_AN_SW_graph", 7).picture(), appFile(QStringLiteral("tirante_off_sw.jpg")));
    EXPECT_EQ(c("PergamenaA", 19).picture(), plate);
}

TEST_F(PanelLayoutTest, GraphicMemoryIndicators) {
    // A standard layout first: the LEDs then get their picture's own height back.
    buildStandard(1.0, true);
    buildGraphic(true);
    // x = 84 + 270 x (i - 1).
    expectBox(c("C_memory", 1), {84, 7760, 266, 240}, 1);
    expectBox(c("Graduatore", 12), {3054 + 6056, 7760, 266, 240}, 1);
    expectBox(c("LedFree", 3), {624, 7710, 266, std::nan("")}, 1);
    expectBox(c("LedFix", 3), {624 + 6056, 7710, 266, std::nan("")}, 1);
    expectBox(c("Numerino_Led", 3), {699, 7940, 266, 210}, 1);
    expectBox(c("Numerino_Led", 15), {624 + 6120, 7940, 266, 210}, 1);
    EXPECT_FALSE(c("Numerino_Led", 1).hasBorder());
    EXPECT_FALSE(c("Numerino_Led", 24).hasBorder());
    EXPECT_TRUE(c("LedFix", 1).isVisible());
    EXPECT_FALSE(c("Graduatore", 1).isVisible());
    EXPECT_FALSE(c("Panel_nograph", 0).isVisible());

    // The memory row is the standard panel's business only.
    st().MemoryLedsShown = false;
    layout().VISUALIZZA_LED_O_PANNELLINI();
    EXPECT_NEAR(c("CLEAR").top(), 7760, kTolerance);
    EXPECT_NEAR(c("LoadBuffer", 0).top(), 7760, kTolerance);
    EXPECT_TRUE(c("C_memory", 1).isVisible());
    EXPECT_FALSE(c("LedFree", 1).isVisible());
}

TEST_F(PanelLayoutTest, GraphicModeMenuFlipsTheSettingForTheNextStart) {
    buildStandard(1.0);
    main()(QStringLiteral("Graphmode")).click();
    EXPECT_TRUE(st().GraphicMode);
    EXPECT_TRUE(main()(QStringLiteral("Graphmode")).isChecked());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral(
                  "Interface is now set to GRAPHIC mode; exit and restart Vorlo2000, please!"));
    EXPECT_EQ(dialogs.messages[0].icon, Dialogs::Icon::Information);
    // The panel is not rebuilt.
    EXPECT_NEAR(main().width(), 9680, kTolerance);
    EXPECT_TRUE(c("Panel_nograph", 0).isVisible());

    main()(QStringLiteral("Graphmode")).click();
    EXPECT_FALSE(st().GraphicMode);
    EXPECT_FALSE(main()(QStringLiteral("Graphmode")).isChecked());
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text,
              QStringLiteral("Interface is now set to STANDARD PANEL mode; exit and restart "
                             "Vorlo2000, please!"));
    EXPECT_EQ(dialogs.messages[1].icon, Dialogs::Icon::Information);
}

} // namespace
} // namespace vorlo::test

namespace vorlo::test {
namespace {

// The panel as the program's start-up builds it from the configuration file.
class PanelStartupTest : public ConsoleFixture {
protected:
    void startWith(bool graphic, double scale) {
        writeTable(markerTable());
        writeConfig([&](ConsoleState& s) {
            s.GraphicMode = graphic;
            s.PanelScale = scale;
        });
        start();
    }
    Control& c(const char* name, int index = -1) {
        return main()(QString::fromLatin1(name), index);
    }
};

TEST_F(PanelStartupTest, StandardPanelAtStartUp) {
    startWith(false, 1.2);
    EXPECT_NEAR(main().width(), 9680 * 1.2, kTolerance);
    EXPECT_NEAR(main().height(), 500 + 6370 * 1.2, kTolerance);
    EXPECT_FALSE(main()(QStringLiteral("Graphmode")).isChecked());
    EXPECT_TRUE(c("Panel_nograph", 0).isVisible());
    EXPECT_FALSE(c("Sfondo").isVisible());
    EXPECT_EQ(c("NomeFondi", 12).caption(), QStringLiteral("Fondo 12"));
    EXPECT_EQ(c("NomePedale", 3).caption(), QStringLiteral("Pedale 3"));
    EXPECT_EQ(c("LabelCorpiOrgano", 0).caption(), QStringLiteral("Fondi"));
    EXPECT_EQ(form(forms::Advanced)(QStringLiteral("Riverberi")).items().size(), 8);
    EXPECT_TRUE(main().isVisible());
}

TEST_F(PanelStartupTest, GraphicPanelAtStartUp) {
    startWith(true, 1.2);
    EXPECT_NEAR(main().width(), 12288, kTolerance);
    EXPECT_TRUE(main()(QStringLiteral("Graphmode")).isChecked());
    EXPECT_FALSE(c("Panel_nograph", 0).isVisible());
    EXPECT_TRUE(c("Sfondo").isVisible());
    EXPECT_EQ(c("Scritta_Ancie", 19).caption(), QStringLiteral("Ancia 19"));
    EXPECT_EQ(c("Scritta_Fondi", 0).font(), st().StopFont);
    EXPECT_TRUE(c("Tir_MU_SW_graph", 19).isVisible());
    EXPECT_FALSE(c("Tir_MU_SW_graph", 19).picture().isEmpty());
    EXPECT_TRUE(main().isVisible());
}

} // namespace
} // namespace vorlo::test
