// The main window on a running console: menu bar, panel widgets where the layout puts them,
// clicks that reach the console, state changes that repaint, hotkeys and closing.
#include "AppFixture.h"
#include "BoundMenuAction.h"
#include "PanelButton.h"
#include "PanelLabel.h"
#include "PanelLayout.h"
#include "SystemColors.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace vorlo::test {
namespace {

class MainWindowTest : public AppFixture {};

QStringList menuTexts(QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

// Index of the first log line at or after from that holds the message.
int logIndex(const QStringList& log, const QString& message, int from = 0) {
    for (int i = from; i < log.size(); ++i)
        if (log[i].contains(message))
            return i;
    return -1;
}

} // namespace

TEST_F(MainWindowTest, MenuBarHasTheConsoleMenusInOrder) {
    startStandard();
    MainWindow* w = mainWindow();
    ASSERT_NE(w, nullptr);
    QStringList top;
    for (QAction* a : w->menuBar()->actions())
        top << a->text();
    EXPECT_EQ(top, (QStringList{"File", "Setup", "Help", "Advanced"}));
    // "Advanced" acts by itself; the others open menus.
    EXPECT_EQ(w->menuBar()->actions().last()->menu(), nullptr);
    ASSERT_EQ(w->menus().size(), 3);
    EXPECT_EQ(
        menuTexts(w->menus()[0]),
        (QStringList{"&Load  Memory File", "&Save Memory File", "-", "Save &Configuration on EXIT",
                     "-", "Load current Memories as &Fixed Memories", "&Record...", "-", "&Exit"}));
    EXPECT_EQ(menuTexts(w->menus()[1]),
              (QStringList{"&Midi Devices", "&Sound...", "Midi &Thru...", "Font&s", "-",
                           "Graphic interface", "-", "E&ditor", "-", "Leds on memor&ies",
                           "On-screen &keyboard"}));
    EXPECT_EQ(menuTexts(w->menus()[2]), (QStringList{"&Help", "Total Recall Displa&y", "&About"}));
    for (const ControlId& checkable :
         {ctl::main::EnableCFG, ctl::main::Graphmode, ctl::main::DisplayLeds})
        EXPECT_TRUE(menuItem(checkable)->isCheckable()) << checkable.name;
    EXPECT_FALSE(menuItem(ctl::main::SaveFIXED)->isCheckable());
    EXPECT_EQ(menuItem(ctl::main::RecordMenu)->objectName(), QStringLiteral("RecordMenu"));
}

TEST_F(MainWindowTest, CheckMarksFollowTheConsoleAndItsMenuHandlers) {
    startStandard();
    BoundMenuAction* cfg = menuItem(ctl::main::EnableCFG);
    BoundMenuAction* graph = menuItem(ctl::main::Graphmode);
    BoundMenuAction* leds = menuItem(ctl::main::DisplayLeds);
    // As the reset left them.
    EXPECT_EQ(cfg->isChecked(), st().SaveCfgOnExit == 1);
    EXPECT_FALSE(graph->isChecked());
    EXPECT_EQ(leds->isChecked(), st().MemoryLedsShown);

    const bool before = cfg->isChecked();
    cfg->trigger();
    EXPECT_EQ(cfg->isChecked(), !before);
    EXPECT_EQ(st().SaveCfgOnExit, before ? 0 : 1);

    graph->trigger();
    EXPECT_TRUE(graph->isChecked());
    EXPECT_TRUE(st().GraphicMode);

    // The console changing a check mark by itself shows on the menu too.
    main()(ctl::main::DisplayLeds).setChecked(!leds->isChecked());
    EXPECT_EQ(leds->isChecked(), main()(ctl::main::DisplayLeds).isChecked());
}

TEST_F(MainWindowTest, CaptionIconAndPanelSizeComeFromTheConsole) {
    startStandard();
    MainWindow* w = mainWindow();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), st().ProgramTitle);
    EXPECT_FALSE(w->windowTitle().isEmpty());
    // 9680 x 6870 twips at 15 twips a pixel; the menu bar comes on top, the devices' status
    // line below.
    EXPECT_EQ(w->panel()->size(), QSize(645, 458));
    EXPECT_EQ(w->height(), 458 + w->menuBar()->height() + w->statusBar()->height());
    main().setCaption(QStringLiteral("Another title"));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Another title"));
}

TEST_F(MainWindowTest, StandardPanelWidgetsSitWhereTheLayoutPutsThem) {
    startStandard(1.0);
    auto* reset = panelWidget<PanelButton>(ctl::main::RESET);
    ASSERT_NE(reset, nullptr);
    EXPECT_EQ(reset->geometry(), QRect(5, 370, 206, 16));
    EXPECT_TRUE(reset->isVisible());
    // The first Fondi name sits at (75, 160) inside the frame, its Swell overlay at 577.
    auto* frame = panelWidget<QWidget>(ctl::main::Panel_nograph, 0);
    auto* name = panelWidget<PanelLabel>(ctl::main::NomeFondi, 0);
    auto* swell = panelWidget<PanelLabel>(ctl::main::Tir_FO_SW, 0);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(name->parentWidget(), frame);
    EXPECT_EQ(frame->geometry().top(), 37); // 560 twips
    EXPECT_EQ(name->geometry(), QRect(5, 11, 66, 32));
    EXPECT_EQ(swell->geometry().left(), 38); // 577 twips
    EXPECT_EQ(name->text(), QStringLiteral("Fondo 0"));
    // Graphic-panel controls are out of sight on the standard panel.
    EXPECT_FALSE(panelWidget<PanelLabel>(ctl::main::Sfondo)->isVisible());
    EXPECT_FALSE(panelWidget<PanelLabel>(ctl::main::Tir_FO_GO_graph, 0)->isVisible());
    EXPECT_TRUE(name->isVisible());
    // Every control of the panel has its widget, named after it.
    int widgets = 0;
    for (Control* c : main().controls()) {
        if (mainWindow()->controlWidget(c->name(), c->index())) {
            ++widgets;
            QWidget* w = mainWindow()->controlWidget(c->name(), c->index());
            EXPECT_EQ(w->objectName(), c->name());
            if (c->index() >= 0) {
                EXPECT_EQ(w->property("index").toInt(), c->index());
            }
        }
    }
    EXPECT_GT(widgets, 500);
}

TEST_F(MainWindowTest, GraphicPanelShowsBackgroundPlatesAndKnobs) {
    startGraphic();
    MainWindow* w = mainWindow();
    EXPECT_EQ(w->panel()->size(), QSize(819, 586));
    auto* background = panelWidget<PanelLabel>(ctl::main::Sfondo);
    EXPECT_TRUE(background->isVisible());
    EXPECT_EQ(background->geometry(), QRect(0, 0, 818, 585));
    EXPECT_FALSE(panelWidget<QWidget>(ctl::main::Panel_nograph, 0)->isVisible());
    auto* knob = panelWidget<PanelLabel>(ctl::main::Tir_FO_GO_graph, 0);
    EXPECT_TRUE(knob->isVisible());
    EXPECT_EQ(knob->geometry(), QRect(15, 39, 21, 21));
    EXPECT_EQ(knob->pictureFile(), main()(ctl::main::Tir_FO_GO_graph, 0).picture());
    EXPECT_EQ(panelWidget<PanelLabel>(ctl::main::Tir_FO_GO_graph, 1)->pictureFile(),
              st().PicDrawOffGO);
    auto* caption = panelWidget<PanelLabel>(ctl::main::Scritta_Fondi, 0);
    EXPECT_EQ(caption->text(), QStringLiteral("Fondo 0"));
    EXPECT_FALSE(caption->backgroundColor().isValid()); // the plate shows through
    // The background lies beneath the plates and knobs.
    const QObjectList& children = w->panel()->children();
    EXPECT_LT(children.indexOf(background), children.indexOf(knob));
    EXPECT_LT(children.indexOf(panelWidget<PanelLabel>(ctl::main::PergamenaF, 0)),
              children.indexOf(caption));
}

TEST_F(MainWindowTest, LongNamesShowWholeOnBothPanelsAndAtEverySize) {
    startStandard(1.0);
    auto check = [this](const ControlArrayId& label, const char* name) {
        SCOPED_TRACE(std::string(label.name) + ": " + name);
        main()(label, 0).setCaption(QString::fromLatin1(name));
        settle();
        auto* l = panelWidget<PanelLabel>(label, 0);
        const QRect room = l->contentsRect();
        const QRect needed = QFontMetrics(l->shownFont())
                                 .boundingRect(room, Qt::TextWordWrap | l->alignment(), l->text());
        EXPECT_LE(needed.width(), room.width());
        EXPECT_LE(needed.height(), room.height());
        EXPECT_GE(l->shownFont().pointSizeF(), 5.0) << "still readable";
    };
    auto checkAll = [&check](const ControlArrayId& fondi, const ControlArrayId& pedale) {
        check(fondi, "Principale e Flauto 8'");
        check(pedale, "Violone 16' e Cello 8'");
    };
    checkAll(ctl::main::NomeFondi, ctl::main::NomePedale);
    st().PanelScale = 1.6;
    console->layout().LOAD_NORMAL_INTERFACE();
    checkAll(ctl::main::NomeFondi, ctl::main::NomePedale);
    // At the smallest size the buttons' captions fit their buttons too.
    st().PanelScale = 0.8;
    console->layout().LOAD_NORMAL_INTERFACE();
    settle();
    for (const ControlRef& c :
         {ControlRef(ctl::main::UN_GOSW), ControlRef(ctl::main::UN_SWGO),
          ControlRef(ctl::main::Button_Annullatori_go, 1), ControlRef(ctl::main::CLEAR)}) {
        auto* b = panelWidget<PanelButton>(c);
        const QFontMetrics m(b->font());
        EXPECT_LE(m.horizontalAdvance(b->text()), b->width()) << c.name;
        EXPECT_LE(m.height(), b->height()) << c.name;
    }
    st().GraphicMode = true;
    console->layout().LOAD_GRAPHIC_INTERFACE();
    checkAll(ctl::main::Scritta_Fondi, ctl::main::Scritta_Pedale);
}

TEST_F(MainWindowTest, ResetButtonRunsTheResetAndLightsWhileItRuns) {
    startStandard();
    auto* reset = panelWidget<PanelButton>(ctl::main::RESET);
    QColor during;
    QTimer::singleShot(30, reset, [&] { during = reset->faceColor(); });
    clickWidget(reset);
    // The reset's own order is the console's; here the click must reach it.
    EXPECT_EQ(midi->takeLog().value(0), marker(0));
    EXPECT_EQ(during, SystemColors::lit());
    EXPECT_NE(reset->faceColor(), SystemColors::lit());
}

TEST_F(MainWindowTest, DrawstopClickDrawsTheStopAndRepaintsTheCell) {
    startStandard();
    clickWidget(panelWidget<PanelLabel>(ctl::main::Tir_FO_GO, 3));
    EXPECT_EQ(st().live().MemFO_GO, 3);
    EXPECT_GE(logIndex(midi->takeLog(), marker(StopTable::kFondiGreat + 3)), 0);
    EXPECT_EQ(panelWidget<PanelLabel>(ctl::main::NomeFondi, 3)->backgroundColor(),
              SystemColors::lit());
    EXPECT_EQ(panelWidget<PanelLabel>(ctl::main::Tir_FO_GO, 3)->text(), st().GreatTitle);

    clickWidget(panelWidget<PanelLabel>(ctl::main::Tir_MU_SW, 12));
    EXPECT_EQ(st().live().MemMU_SW, 12);
    EXPECT_EQ(panelWidget<PanelLabel>(ctl::main::Tir_MU_SW, 12)->text(), st().SwellTitle);

    // Drawing another Great Fondi darkens the first one.
    clickWidget(panelWidget<PanelLabel>(ctl::main::Tir_FO_GO, 5));
    EXPECT_EQ(st().live().MemFO_GO, 5);
    EXPECT_NE(panelWidget<PanelLabel>(ctl::main::NomeFondi, 3)->backgroundColor(),
              SystemColors::lit());
    EXPECT_EQ(panelWidget<PanelLabel>(ctl::main::Tir_FO_GO, 3)->text(), QStringLiteral(" "));

    clickWidget(panelWidget<PanelLabel>(ctl::main::NomePedale, 7));
    EXPECT_EQ(st().live().MemPED, 7);
    EXPECT_EQ(panelWidget<PanelLabel>(ctl::main::NomePedale, 7)->backgroundColor(),
              SystemColors::lit());

    clickWidget(panelWidget<PanelButton>(ctl::main::CancelALL));
    EXPECT_EQ(st().live().MemFO_GO, 0);
    EXPECT_EQ(st().live().MemMU_SW, 0);
    EXPECT_EQ(st().live().MemPED, 0);
}

TEST_F(MainWindowTest, GraphicKnobClickPullsTheKnob) {
    startGraphic();
    auto* knob = panelWidget<PanelLabel>(ctl::main::Tir_AN_SW_graph, 4);
    clickWidget(knob);
    EXPECT_EQ(st().live().MemAN_SW, 4);
    EXPECT_EQ(knob->pictureFile(), st().PicDrawOnSW);
    clickWidget(panelWidget<PanelLabel>(ctl::main::Tir_PED_graph, 2));
    EXPECT_EQ(st().live().MemPED, 2);
    EXPECT_EQ(panelWidget<PanelLabel>(ctl::main::Tir_PED_graph, 2)->pictureFile(), st().PicDrawOn);
    EXPECT_GE(logIndex(midi->takeLog(), marker(StopTable::kPedale + 2)), 0);
}

TEST_F(MainWindowTest, CouplerAndRecButtonsLightOnClick) {
    startStandard();
    auto* unpi = panelWidget<PanelButton>(ctl::main::UNPI);
    clickWidget(unpi);
    EXPECT_EQ(st().live().MemUnPedale, 1);
    EXPECT_EQ(unpi->faceColor(), SystemColors::lit());
    auto* rec = panelWidget<PanelButton>(ctl::main::Rec_button);
    clickWidget(rec);
    EXPECT_TRUE(st().RecArmed);
    EXPECT_EQ(rec->faceColor(), SystemColors::lit());
    // With REC armed a click on a free memory stores the registration there.
    clickWidget(panelWidget<PanelLabel>(ctl::main::C_memory, 4));
    EXPECT_FALSE(st().RecArmed);
    EXPECT_EQ(st().slot(4).MemUnPedale, 1);
    EXPECT_EQ(panelWidget<PanelLabel>(ctl::main::C_memory, 4)->backgroundColor(),
              QColor(0, 192, 0));
}

TEST_F(MainWindowTest, HotkeysWorkFromTheWindowAndFromAFocusedButton) {
    startStandard();
    MainWindow* w = mainWindow();
    QApplication::setActiveWindow(w);
    w->setFocus();
    QTest::keyClick(w, Qt::Key_F3);
    EXPECT_EQ(st().LastMemory, 3);
    EXPECT_EQ(panelWidget<PanelLabel>(ctl::main::C_memory, 3)->backgroundColor(),
              QColor(0, 192, 0));

    // A button holds the focus: the digit 7 still recalls fixed memory 7, once.
    auto* panic = panelWidget<PanelButton>(ctl::main::Panic);
    panic->setFocus();
    QTest::keyClick(panic, Qt::Key_7, Qt::NoModifier);
    EXPECT_EQ(st().LastMemory, 19);
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(panelWidget<PanelLabel>(ctl::main::Graduatore, i)->backgroundColor() ==
                      SystemColors::lit(),
                  i <= 7)
            << i;

    QTest::keyClick(panic, Qt::Key_F12);
    EXPECT_EQ(st().LastMemory, 12);
    // 0, the apostrophe and ì: fixed memories 10, 11 and 12.
    QTest::keyClick(w, Qt::Key_0);
    EXPECT_EQ(st().LastMemory, 22);
    QTest::keyClick(w, Qt::Key_Apostrophe, Qt::NoModifier);
    EXPECT_EQ(st().LastMemory, 23);
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_Igrave, QString(QChar(0x00EC)), Qt::NoModifier);
    EXPECT_EQ(st().LastMemory, 24);
    // Other keys recall nothing.
    QTest::keyClick(w, Qt::Key_Equal);
    QTest::keyClick(panic, Qt::Key_A);
    EXPECT_EQ(st().LastMemory, 24);
    // Space still works the focused button.
    midi->clearLog();
    QTest::keyClick(panic, Qt::Key_Space);
    EXPECT_FALSE(midi->takeLog().isEmpty());
}

TEST_F(MainWindowTest, TransposerAndUndoWorkFromTheirButtonsAndKeys) {
    startStandard();
    MainWindow* w = mainWindow();
    QApplication::setActiveWindow(w);
    auto* undo = panelWidget<PanelButton>(ctl::main::UndoButton);
    auto* redo = panelWidget<PanelButton>(ctl::main::RedoButton);
    auto* shown = panelWidget<PanelLabel>(ctl::main::TransposeShown);
    ASSERT_TRUE(undo && redo && shown);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(shown->shownText(), QStringLiteral("Transp. 0"));

    clickWidget(panelWidget<PanelLabel>(ctl::main::Tir_FO_GO, 3));
    ASSERT_EQ(st().live().MemFO_GO, 3);
    EXPECT_TRUE(undo->isEnabled());
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(st().sent().MemFO_GO, 0);
    EXPECT_TRUE(redo->isEnabled());
    QTest::keyClick(w, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(st().sent().MemFO_GO, 3);
    clickWidget(undo);
    EXPECT_EQ(st().sent().MemFO_GO, 0);
    QTest::keyClick(w, Qt::Key_Z); // no Ctrl: nothing to do with the registration
    EXPECT_EQ(st().sent().MemFO_GO, 0);
    EXPECT_TRUE(redo->isEnabled());

    QTest::keyClick(w, Qt::Key_Plus);
    clickWidget(panelWidget<PanelButton>(ctl::main::TransposeUp));
    EXPECT_EQ(shown->shownText(), QStringLiteral("Transp. +2"));
    QTest::keyClick(w, Qt::Key_Minus);
    clickWidget(panelWidget<PanelButton>(ctl::main::TransposeDown));
    clickWidget(panelWidget<PanelButton>(ctl::main::TransposeDown));
    EXPECT_EQ(shown->shownText(), QStringLiteral("Transp. -1"));
    midi->clearLog();
    play(kKeyboard1, {0x90, 60, 100});
    settle();
    EXPECT_EQ(midi->takeLog(), QStringList({"90 3B 64"}));
}

TEST_F(MainWindowTest, AHotkeyOnAFocusedButtonActsOnce) {
    startStandard();
    MainWindow* w = mainWindow();
    QApplication::setActiveWindow(w);
    // A recall sends both tremolos whatever else changed: the log counts the recalls.
    w->setFocus();
    QTest::keyClick(w, Qt::Key_F5);
    const QStringList fromWindow = midi->takeLog();
    ASSERT_FALSE(fromWindow.isEmpty());
    auto* reset = panelWidget<PanelButton>(ctl::main::RESET);
    reset->setFocus();
    QTest::keyClick(reset, Qt::Key_F5);
    EXPECT_EQ(midi->takeLog(), fromWindow);
    QTest::keyClick(reset, Qt::Key_5);
    const QStringList fixed = midi->takeLog();
    w->setFocus();
    QTest::keyClick(w, Qt::Key_5);
    EXPECT_EQ(midi->takeLog(), fixed);
}

TEST_F(MainWindowTest, ClosingAsksAboutUnsavedMemoriesAndMayBeRefused) {
    startStandard();
    MainWindow* w = mainWindow();
    st().FreeMemoriesUnsaved = true;
    dialogs.answers = {false};
    w->close();
    EXPECT_EQ(dialogs.questions, QStringList{"Free memories unsaved : exit anyway?"});
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(console->hasEnded());

    // What the console does on its way out is its own test's; the window goes with it.
    dialogs.answers = {true};
    w->close();
    EXPECT_TRUE(console->hasEnded());
    EXPECT_FALSE(w->isVisible());
}

TEST_F(MainWindowTest, ExitMenuEndsTheProgramAndTakesEveryWindowDown) {
    startStandard();
    QPointer<QWidget> advanced = windows->window(QString::fromLatin1(forms::Advanced));
    ASSERT_TRUE(advanced);
    EXPECT_TRUE(advanced->isVisible());
    menuItem(ctl::main::Exit)->trigger();
    EXPECT_TRUE(console->hasEnded());
    EXPECT_EQ(windows->window(QString::fromLatin1(forms::Main)), nullptr);
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(advanced.isNull() || !advanced->isVisible());
}

TEST_F(MainWindowTest, PlayerMovingTheWindowIsWhatTheConfigurationKeeps) {
    startStandard();
    MainWindow* w = mainWindow();
    w->move(120, 90);
    settle();
    EXPECT_DOUBLE_EQ(main().left(), 120 * 15);
    EXPECT_DOUBLE_EQ(main().top(), 90 * 15);
    main().setLeft(300 * 15);
    EXPECT_EQ(w->pos().x(), 300);
}

TEST_F(MainWindowTest, TheStatusLineShowsEachDeviceItsNameAndWhatHappenedToIt) {
    startStandard();
    auto lightOf = [](MainWindow* w, int i) {
        return w->statusBar()->findChild<QLabel*>(QStringLiteral("deviceLight%1").arg(i));
    };
    MainWindow* w = mainWindow();
    QLabel* keyboard1 = lightOf(w, 0);
    QLabel* module = lightOf(w, 2);
    ASSERT_NE(keyboard1, nullptr);
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(keyboard1->text().contains(QStringLiteral("Keyboard 1")));
    EXPECT_EQ(module->toolTip(), QStringLiteral("Module: \"Sound Module\", connected"));
    auto* meter = w->statusBar()->findChild<QProgressBar*>(QStringLiteral("outputMeter"));
    ASSERT_NE(meter, nullptr);
    EXPECT_FALSE(meter->isVisible()) << "a module on a cable has no level to show";

    // Playing lights the keyboard up until the next look finds it quiet.
    play(kKeyboard1, {0x90, 60, 100});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return keyboard1->toolTip().endsWith(QStringLiteral("receiving")); }, 2000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return keyboard1->toolTip().endsWith(QStringLiteral("connected")); }, 2000));

    midi->removeDevice(QString::fromLatin1(kModule));
    settle();
    EXPECT_TRUE(module->toolTip().contains(QStringLiteral("absent")));
    auto* notice = w->statusBar()->findChild<QLabel*>(QStringLiteral("deviceNotice"));
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->toolTip(),
              QStringLiteral("The MIDI output device \"Sound Module\" is no longer available"));
    EXPECT_EQ(w->width(), w->panel()->width()) << "a long notice does not widen the window";
}

TEST_F(MainWindowTest, AResetBehindACableShowsAThinBarUntilItHasGone) {
    midi->setWired(QString::fromLatin1(kModule), true);
    startStandard();
    auto* bar = mainWindow()->statusBar()->findChild<QProgressBar*>(QStringLiteral("sendProgress"));
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bar->isVisible(); }, 10000)) << "the start's reset";
    console->RESET_Click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->isVisible(); }, 2000));
    EXPECT_TRUE(bar->toolTip().startsWith(QStringLiteral("Sending to the module: ")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !bar->isVisible(); }, 10000));
}

} // namespace vorlo::test
