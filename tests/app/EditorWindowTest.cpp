// The stops table editor's window: opened from the main menu, its tabs, menu, fields that
// report clicks and double clicks, and its colours.
#include "EditorWindow.h"
#include "AppFixture.h"
#include "BoundMenuAction.h"
#include "BoundWidget.h"
#include "EditorForm.h"
#include "EditorTabs.h"
#include "FieldTextFitter.h"
#include "PanelButton.h"
#include "PanelLabel.h"
#include "StopsTableEditor.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace vorlo::test {
namespace {

const QByteArray kFlute("\xF0\x41\x10\x42\x12\x48\x00\x00\x01\x37\xF7", 11);

class EditorWindowTest : public AppFixture {
protected:
    EditorWindow* openEditor() {
        BoundMenuAction* a = menuItem(ctl::main::LoadEditor);
        EXPECT_NE(a, nullptr);
        if (!a)
            return nullptr;
        EXPECT_TRUE(a->isEnabled());
        a->trigger();
        settle();
        return window<EditorWindow>(forms::Editor);
    }
    static BoundLineEdit* field(EditorWindow* w, const ControlArrayId& id, int i) {
        return widgetOf<BoundLineEdit>(w, id, i);
    }
};

} // namespace

TEST_F(EditorWindowTest, OpensFromTheMenuWithItsTabsAndMenu) {
    startGraphic();
    EditorWindow* w = openEditor();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(w->isModal());
    EXPECT_EQ(w->windowTitle(), "Editor Vorlo2000 V2.0");
    EXPECT_TRUE(mainWindow()->isVisible()) << "the console stays up beside it";

    EditorTabs* tabs = w->tabs();
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 5);
    EXPECT_EQ(tabs->tabText(0), "Fondi ");
    EXPECT_EQ(tabs->tabText(2), "&Ancie/Archi  Pedale");
    EXPECT_EQ(tabs->tabText(4), "Panel  Size");
    // The window keeps its size from tab to tab, whatever it shows of an entry or a file, and
    // every field shows its whole text.
    Form& form = console->form(QString::fromLatin1(forms::Editor));
    form(ctl::editor::TextGlobal, 1).setCaption(QStringLiteral("Set-up porta A: Great e Pedale"));
    form(ctl::editor::TextGlobal, 12).setCaption(QStringLiteral("Mesotonico 1/4 comma"));
    form(ctl::editor::TextGlobal, 29).setCaption(QStringLiteral("Panning Delay"));
    form(ctl::editor::TextGlobal, 37).setCaption(QStringLiteral("Tremblant Fort Great"));
    settle();
    const QSize size = w->size();
    for (int i = tabs->count() - 1; i >= 0; --i) {
        tabs->setCurrentIndex(i);
        settle();
        EXPECT_EQ(w->size(), size) << "tab " << i;
    }
    clickWidget(field(w, ctl::editor::TextGlobal, 43));
    form(ctl::editor::File_label).setCaption(QStringLiteral("/a/long/path").repeated(20));
    settle();
    EXPECT_EQ(w->size(), size) << "after showing an entry and a long file name";
    form(ctl::editor::TextPedale, 11).setCaption(QStringLiteral("Subbasso 16' e Bordone 8'"));
    settle();
    for (const ControlArrayId& texts : {ctl::editor::TextGlobal, ctl::editor::TextPedale}) {
        for (int i = 0; i < texts.count(); ++i) {
            BoundLineEdit* f = field(w, texts, i);
            ASSERT_NE(f, nullptr);
            EXPECT_LE(f->fontMetrics().horizontalAdvance(f->text()), FieldTextFitter::textRoom(*f))
                << texts.name << "(" << i << "): " << f->text().toStdString();
        }
    }
    tabs->setCurrentIndex(3);
    EXPECT_EQ(form(ctl::editor::SSTab1).value(), 3);

    const QList<QMenu*> menus = w->menuBar()->findChildren<QMenu*>();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->title(), "File ");
    QStringList items;
    for (QAction* a : menus[0]->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(
        items,
        QStringList({"&Load Stops Table  File  (*.dat)", "&Save Current Stops Table on  *.DAT file",
                     "-", "&ENABLE current Stops Table on VORLO2000", "-", "Exit Editor "}));

    EXPECT_EQ(field(w, ctl::editor::TextFondi, 4)->text(), "Fondo 4");
    EXPECT_EQ(field(w, ctl::editor::TextGlobal, 47)->text(), "SW MUTE Fondi");
    EXPECT_EQ(widgetOf<BoundCheckBox>(w, ctl::editor::Rinforzabile, 49)->isChecked(), false);
    EXPECT_EQ(widgetOf<PanelButton>(w, ctl::editor::CommandName)->text(),
              "Loading Syx File Name ENABLED");
    // Graphic panel: the size frame is hidden.
    EXPECT_FALSE(widgetOf<QGroupBox>(w, ctl::editor::Resize_frame)->isVisibleTo(w));

    // The menu's exit closes the window (nothing to ask).
    for (QAction* a : menus[0]->actions())
        if (a->objectName() == QLatin1String(ctl::editor::Uscita_abort.name))
            a->trigger();
    settle();
    EXPECT_EQ(window<EditorWindow>(forms::Editor), nullptr);
}

TEST_F(EditorWindowTest, FieldsReportClicksAndDoubleClicksAndShowTheirColours) {
    startStandard();
    EditorWindow* w = openEditor();
    ASSERT_NE(w, nullptr);
    w->tabs()->setCurrentIndex(1);
    settle();
    BoundLineEdit* mutaz = field(w, ctl::editor::TextMutaz, 6);
    ASSERT_NE(mutaz, nullptr);
    clickWidget(mutaz);
    EXPECT_EQ(console->editor().CurrentEntry, 106);
    EXPECT_EQ(widgetOf<PanelLabel>(w, ctl::editor::Syx_index)->text(), "106");
    EXPECT_EQ(mutaz->palette().color(QPalette::Base), QColor(192, 192, 192));

    QDir(dir.path()).mkpath(QStringLiteral("syx"));
    const QString path = appFile(QStringLiteral("syx/Cornetto V.syx"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kFlute);
    f.close();
    dialogs.files.push_back(path);
    doubleClickWidget(mutaz);
    settle();
    EXPECT_EQ(st().Table[106], kFlute);
    EXPECT_EQ(mutaz->text(), "Cornetto V");
    EXPECT_EQ(mutaz->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(widgetOf<PanelLabel>(w, ctl::editor::File_label)->backgroundColor(),
              QColor(255, 255, 0));

    // Typing a name marks the table modified; the exit question then keeps the window.
    field(w, ctl::editor::TextPedale, 0)->setFocus();
    field(w, ctl::editor::TextPedale, 0)->end(false);
    QTest::keyClicks(field(w, ctl::editor::TextPedale, 0), "x");
    EXPECT_EQ(console->editor().window()(ctl::editor::TextPedale, 0).text(), "Pedale 0x");
    w->close();
    settle();
    EXPECT_EQ(dialogs.questions.last(),
              " Warning! Stops Table is Modified but Unsaved. Exit Anyway?");
    EXPECT_TRUE(w->isVisible());

    // The size slider on the standard panel.
    w->tabs()->setCurrentIndex(4);
    auto* slider = widgetOf<BoundSlider>(w, ctl::editor::Slidersize);
    ASSERT_NE(slider, nullptr);
    EXPECT_TRUE(slider->isVisibleTo(w));
    slider->setValue(12);
    settle();
    EXPECT_EQ(widgetOf<PanelLabel>(w, ctl::editor::LabelSize)->text(), "120 %");
    clickWidget(widgetOf<PanelButton>(w, ctl::editor::Redraw));
    EXPECT_NEAR(main().width(), 9680 * 1.2, 1e-6);
}

TEST_F(EditorWindowTest, ACancelledDoubleClickLeavesNothingSelectedAndFixedTextsCannotBeTyped) {
    startStandard();
    EditorWindow* w = openEditor();
    ASSERT_NE(w, nullptr);
    BoundLineEdit* fondo = field(w, ctl::editor::TextFondi, 4);
    ASSERT_NE(fondo, nullptr);
    dialogs.files.push_back(std::nullopt);
    doubleClickWidget(fondo);
    settle();
    EXPECT_FALSE(fondo->hasSelectedText());
    QTest::keyClicks(fondo, "x");
    EXPECT_EQ(console->editor().window()(ctl::editor::TextFondi, 4).text().size(), 8)
        << "the key is added to the name, not typed over part of it";

    w->tabs()->setCurrentIndex(3);
    settle();
    BoundLineEdit* fixed = field(w, ctl::editor::TextGlobal, 45);
    ASSERT_NE(fixed, nullptr);
    EXPECT_TRUE(fixed->isReadOnly());
    EXPECT_FALSE(field(w, ctl::editor::TextGlobal, 39)->isReadOnly());
    fixed->setFocus();
    QTest::keyClicks(fixed, "x");
    EXPECT_EQ(console->editor().window()(ctl::editor::TextGlobal, 45).text(), "GO RESTORE Mutaz");
}

// Pictures of the five tabs for the README, when asked for, on the default organ:
//   VORLO_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a build/tests/app/vorlo_app_tests
//       --gtest_filter=EditorWindowTest.Screenshots
// (VORLO_SCREENSHOT_TABLE names another stops table than build/vorlo2000/vorlo2000.dat).
TEST_F(EditorWindowTest, Screenshots) {
    const QString out = qEnvironmentVariable("VORLO_SCREENSHOT_DIR");
    if (out.isEmpty())
        GTEST_SKIP() << "set VORLO_SCREENSHOT_DIR to take the editor's pictures";
    startStandard();
    const QString table =
        qEnvironmentVariable("VORLO_SCREENSHOT_TABLE", QStringLiteral(VORLO_DEFAULT_TABLE));
    QFile::remove(appFile(QStringLiteral("vorlo2000.dat")));
    ASSERT_TRUE(QFile::copy(table, appFile(QStringLiteral("vorlo2000.dat"))))
        << table.toStdString();
    EditorWindow* w = openEditor();
    ASSERT_NE(w, nullptr);
    QDir(dir.path()).mkpath(QStringLiteral("syx"));
    const QString path = appFile(QStringLiteral("syx/Flauto 8.syx"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(kFlute);
    f.close();
    dialogs.files.push_back(path);
    console->editor().TextFondi_DblClick(2);
    const char* names[5] = {"fondi", "mutazioni", "ancie-pedale", "global", "panel-size"};
    for (int i = 0; i < 5; ++i) {
        w->tabs()->setCurrentIndex(i);
        w->raise();
        settle();
        QTest::qWait(300);
        ASSERT_TRUE(w->grab().save(QDir(out).filePath(
            QStringLiteral("screenshot-editor-%1.png").arg(QString::fromLatin1(names[i])))));
    }
}

} // namespace vorlo::test
