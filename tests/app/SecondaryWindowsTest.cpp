// The set-up, about, font and help windows, and the plain rendering of windows that have no
// window of their own.
#include "AboutDialog.h"
#include "AppFixture.h"
#include "BoundMenuAction.h"
#include "BoundWidget.h"
#include "FontMapper.h"
#include "FontsDialog.h"
#include "GenericFormWindow.h"
#include "HelpWindow.h"
#include "PanelButton.h"
#include "PanelLabel.h"
#include "SetupDialog.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QLayout>
#include <QTest>
#include <QTextBrowser>

namespace vorlo::test {
namespace {

class SecondaryWindowsTest : public AppFixture {
protected:
    void trigger(const ControlId& item) {
        BoundMenuAction* a = menuItem(item);
        ASSERT_NE(a, nullptr) << item.name;
        a->trigger();
        settle();
    }
    SetupDialog* openSetup() {
        trigger(ctl::main::SetMidi);
        return window<SetupDialog>(forms::Setup);
    }
    // The player picks entry i of a drop-down list.
    static void pick(BoundComboBox* combo, int i) {
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }
};

} // namespace

TEST_F(SecondaryWindowsTest, SetupShowsTheDevicesFiltersAndDelays) {
    startStandard();
    SetupDialog* setup = openSetup();
    ASSERT_NE(setup, nullptr);
    EXPECT_TRUE(setup->isVisible());
    EXPECT_EQ(setup->windowTitle(), QStringLiteral("Set up MIDI DEVICES"));
    EXPECT_EQ(widgetOf<BoundComboBox>(setup, ctl::setup::outputDevcombo)->entries(),
              (QStringList{"Sound Module", "No device"}));
    EXPECT_EQ(widgetOf<BoundComboBox>(setup, ctl::setup::InputDev1Combo)->entries(),
              (QStringList{"Keyboard 1", "Keyboard 2", "No device"}));
    // The stored choices are selected.
    EXPECT_EQ(widgetOf<BoundComboBox>(setup, ctl::setup::InputDev2Combo)->currentIndex(), 1);
    const QStringList filters = {"ACTIVE SENSE", "MTC",  "TUNE",      "CLOCK",
                                 "START",        "CONT", "Undefined", "RESET"};
    for (int i = 0; i < 8; ++i) {
        auto* box = widgetOf<BoundCheckBox>(setup, ctl::setup::Check_Filters, i);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(), filters[i]);
        EXPECT_EQ(box->isChecked(), st().InputFilter[static_cast<size_t>(i)]);
    }
    EXPECT_EQ(widgetOf<QGroupBox>(setup, ctl::setup::FrameSysex)->title(),
              QStringLiteral("SYSEX SENDING DELAY"));
    EXPECT_EQ(widgetOf<QGroupBox>(setup, ctl::setup::FrameNote)->title(),
              QStringLiteral("NOTE SENDING DELAY"));
    EXPECT_EQ(widgetOf<BoundSlider>(setup, ctl::setup::Slider1)->maximum(), 100);
    EXPECT_EQ(widgetOf<PanelButton>(setup, ctl::setup::Command1)->text(), QStringLiteral("OK"));
    EXPECT_EQ(widgetOf<PanelButton>(setup, ctl::setup::Command3)->text(), QStringLiteral("CANCEL"));
    // The window is centred on the screen.
    EXPECT_NEAR(setup->pos().x(), (1920 - setup->width()) / 2, 1);
}

TEST_F(SecondaryWindowsTest, SetupOkStoresTheChosenDevicesAndFilters) {
    startStandard();
    SetupDialog* setup = openSetup();
    ASSERT_NE(setup, nullptr);
    pick(widgetOf<BoundComboBox>(setup, ctl::setup::InputDev1Combo), 1);
    pick(widgetOf<BoundComboBox>(setup, ctl::setup::InputDev2Combo), 2);
    pick(widgetOf<BoundComboBox>(setup, ctl::setup::outputDevcombo), 0);
    auto* tune = widgetOf<BoundCheckBox>(setup, ctl::setup::Check_Filters, 2);
    const bool wasRejected = st().InputFilter[2];
    tune->click();
    EXPECT_EQ(st().InputFilter[2], !wasRejected);
    midi->clearLog();
    clickWidget(widgetOf<PanelButton>(setup, ctl::setup::Command1));
    settle();
    EXPECT_EQ(st().MidiIn1Device, 1);
    EXPECT_EQ(st().MidiIn2Device, st().MidiIn2NoDevice);
    EXPECT_EQ(st().MidiOutDevice, 0);
    // The window is gone and the console was reset on the new ports.
    EXPECT_EQ(windows->window(QString::fromLatin1(forms::Setup)), nullptr);
    const QStringList log = midi->takeLog();
    EXPECT_TRUE(log.join('\n').contains(marker(0))) << log.join('\n').toStdString();
}

TEST_F(SecondaryWindowsTest, SetupCancelAndCloseBoxRestoreTheDelays) {
    startStandard();
    const int16_t sysex = st().SysexDelay, note = st().NoteDelay;
    SetupDialog* setup = openSetup();
    auto* slider1 = widgetOf<BoundSlider>(setup, ctl::setup::Slider1);
    auto* slider2 = widgetOf<BoundSlider>(setup, ctl::setup::Slider2);
    slider1->setFocus();
    QTest::keyClick(slider1, Qt::Key_PageUp);
    QTest::keyClick(slider2, Qt::Key_Right);
    EXPECT_EQ(st().SysexDelay, sysex + 5);
    EXPECT_EQ(st().NoteDelay, note + 1);
    EXPECT_EQ(widgetOf<PanelLabel>(setup, ctl::setup::UserDelay)->text(),
              QString::number(sysex + 5));
    EXPECT_EQ(widgetOf<PanelLabel>(setup, ctl::setup::Label_hang)->text(),
              QString::number(note + 1));
    clickWidget(widgetOf<PanelButton>(setup, ctl::setup::Command3));
    settle();
    EXPECT_EQ(st().SysexDelay, sysex);
    EXPECT_EQ(st().NoteDelay, note);
    EXPECT_EQ(windows->window(QString::fromLatin1(forms::Setup)), nullptr);

    // The close box and Escape work like CANCEL.
    setup = openSetup();
    ASSERT_NE(setup, nullptr);
    widgetOf<BoundSlider>(setup, ctl::setup::Slider2)
        ->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(st().NoteDelay, note + 5);
    setup->close();
    settle();
    EXPECT_EQ(st().NoteDelay, note);
    EXPECT_FALSE(form(forms::Setup).isVisible());

    setup = openSetup();
    ASSERT_NE(setup, nullptr);
    widgetOf<BoundSlider>(setup, ctl::setup::Slider1)
        ->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QTest::keyClick(setup, Qt::Key_Escape);
    settle();
    EXPECT_EQ(st().SysexDelay, sysex);
    EXPECT_FALSE(form(forms::Setup).isVisible());
}

TEST_F(SecondaryWindowsTest, AboutWindowShowsTitlePictureAndTextAndClosesOnOk) {
    startStandard();
    trigger(ctl::main::About);
    auto* about = window<AboutDialog>(forms::About);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About VORLO 2000 Graphic Version"));
    EXPECT_EQ(widgetOf<PanelLabel>(about, ctl::about::LabelNomeprog)->text(),
              mainWindow()->windowTitle());
    EXPECT_EQ(widgetOf<PanelLabel>(about, ctl::about::Label1)->text(),
              QStringLiteral("This program is designed for Roland Sound Canvas SC88 or Highers  "));
    EXPECT_EQ(widgetOf<PanelLabel>(about, ctl::about::Image1)->pixmap().size(), QSize(320, 200));
    EXPECT_EQ(widgetOf<PanelButton>(about, ctl::about::Command1)->text(), QStringLiteral(" OK"));
    // Centred: the console places its 6000 x 4800 twips window in the middle of the screen.
    EXPECT_EQ(about->pos(), QPoint(760, 380));
    EXPECT_EQ(about->size(), QSize(400, 320));

    // A second About brings back the same window.
    trigger(ctl::main::About);
    EXPECT_EQ(window<AboutDialog>(forms::About), about);
    clickWidget(widgetOf<PanelButton>(about, ctl::about::Command1));
    settle();
    EXPECT_EQ(windows->window(QString::fromLatin1(forms::About)), nullptr);

    // With a larger desktop font the window grows rather than clip its OK button.
    const QFont usual = QApplication::font();
    QFont large = usual;
    large.setPointSizeF(usual.pointSizeF() * 1.5);
    QApplication::setFont(large);
    trigger(ctl::main::About);
    about = window<AboutDialog>(forms::About);
    ASSERT_NE(about, nullptr);
    auto* ok = widgetOf<PanelButton>(about, ctl::about::Command1);
    EXPECT_LE(ok->geometry().bottom(), about->rect().bottom());
    EXPECT_LE(about->layout()->totalHeightForWidth(about->width()), about->height());
    QApplication::setFont(usual);
}

TEST_F(SecondaryWindowsTest, FontWindowSearchesChoosesAndAppliesTheStopFont) {
    startGraphic();
    trigger(ctl::main::SetFont);
    auto* fonts = window<FontsDialog>(forms::Fonts);
    ASSERT_NE(fonts, nullptr);
    EXPECT_EQ(fonts->windowTitle(), QStringLiteral("Font setting"));
    auto* list = widgetOf<BoundListWidget>(fonts, ctl::fonts::lstSearch);
    auto* search = widgetOf<BoundLineEdit>(fonts, ctl::fonts::txtSearch);
    ASSERT_NE(list, nullptr);
    ASSERT_NE(search, nullptr);
    EXPECT_EQ(list->entries(), screen.fontFamilies());
    EXPECT_EQ(search->text(), st().StopFont.name);
    EXPECT_EQ(widgetOf<QGroupBox>(fonts, ctl::fonts::Frame1)->title(),
              QStringLiteral("Select Font Type / Dimension for Vorlo Stops Text...."));

    // Typing a prefix finds the font in the list.
    QApplication::setActiveWindow(fonts);
    search->setFocus();
    search->selectAll();
    QTest::keyClicks(search, QStringLiteral("ti"));
    EXPECT_EQ(list->currentRow(), 3); // "Times New Roman"

    // Picking a font and OK put it on the panel's stop names.
    list->setCurrentRow(1); // "Courier New"
    EXPECT_EQ(st().StopFont.name, QStringLiteral("Courier New"));
    EXPECT_EQ(search->text(), QStringLiteral("Courier New"));
    clickWidget(widgetOf<PanelButton>(fonts, ctl::fonts::Command_ok));
    settle();
    auto* caption = panelWidget<PanelLabel>(ctl::main::Scritta_Mutaz, 4);
    EXPECT_EQ(caption->font().families().value(0),
              FontMapper::family(QStringLiteral("Courier New")));
    EXPECT_EQ(windows->window(QString::fromLatin1(forms::Fonts)), nullptr);
}

TEST_F(SecondaryWindowsTest, HelpOpensTheHelpFileInItsWindow) {
    startStandard();
    QFile help(appFile(QStringLiteral("vorlo 2000.html")));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<html><body><h1>Playing the console</h1><p>Draw a stop.</p></body></html>");
    help.close();
    trigger(ctl::main::Help1);
    auto* viewer = window<HelpWindow>(forms::Help);
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->browser()->toPlainText().contains(QStringLiteral("Playing the console")));
    EXPECT_EQ(viewer->size(), QSize(720, 540));
    // The console keeps working while it is open.
    clickWidget(panelWidget<PanelLabel>(ctl::main::Tir_AN_GO, 1));
    EXPECT_EQ(st().live().MemAN_GO, 1);
    viewer->close();
    settle();
    EXPECT_FALSE(form(forms::Help).isVisible());
}

TEST_F(SecondaryWindowsTest, WindowsWithoutTheirOwnAreDrawnGenerically) {
    startStandard();
    // A window manager that knows no window of its own draws every console window plainly.
    WindowManager plain(*console);
    plain.start();
    // The Advanced window is shown at start-up.
    auto* advanced = plain.window<GenericFormWindow>(QString::fromLatin1(forms::Advanced));
    ASSERT_NE(advanced, nullptr);
    EXPECT_TRUE(advanced->isVisible());
    auto* slider = widgetOf<BoundSlider>(advanced, ctl::advanced::SliderGO);
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->value(), st().live().MemExprGO);
    slider->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(st().live().MemExprGO, slider->value());
    EXPECT_EQ(widgetOf<PanelLabel>(advanced, ctl::advanced::EXPGO)->text(),
              QString::number(slider->value()));
    auto* coupling = widgetOf<BoundRadioButton>(advanced, ctl::advanced::OptionGlobalCoupling, 2);
    ASSERT_NE(coupling, nullptr);
    coupling->click();
    EXPECT_EQ(st().GlobalCoupling, 2);
    auto* reverbs = widgetOf<BoundComboBox>(advanced, ctl::advanced::Riverberi);
    ASSERT_NE(reverbs, nullptr);
    EXPECT_EQ(reverbs->count(), 8);

    // The Thru window, from its menu item.
    trigger(ctl::main::MidiTHRU);
    auto* thru = plain.window<GenericFormWindow>(QString::fromLatin1(forms::Thru));
    ASSERT_NE(thru, nullptr);
    EXPECT_TRUE(thru->isVisible());
    EXPECT_NE(widgetOf<BoundRadioButton>(thru, ctl::thru::Thru_choose, 1), nullptr);
}

} // namespace vorlo::test
