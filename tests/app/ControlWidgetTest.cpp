// Each kind of widget shows its control's state as it changes, and passes the player's actions
// to the control's handlers.
#include "AdvancedWindowControls.h"
#include "BoundMenuAction.h"
#include "BoundWidget.h"
#include "FontsWindowControls.h"
#include "Form.h"
#include "MainWindowControls.h"
#include "PanelButton.h"
#include "PanelLabel.h"
#include "SetupWindowControls.h"
#include "SystemColors.h"

#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace vorlo;

namespace {

class ControlWidgetTest : public ::testing::Test {
protected:
    ControlWidgetTest() : form(QStringLiteral("Test")) {
        surface.resize(800, 600);
        surface.show();
    }

    QString writePicture(const QString& name, QSize size, QColor fill) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(fill);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }

    Form form;
    QWidget surface;
    QTemporaryDir dir;
    TwipsConverter twips{15};
};

} // namespace

TEST_F(ControlWidgetTest, LabelFollowsCaptionColoursVisibilityAndGeometry) {
    Control& c = form.add(ctl::main::NomeFondi, 4);
    PanelLabel label(c, PanelLabel::Role::Text, twips, &surface);
    EXPECT_EQ(label.objectName(), QString::fromLatin1(ctl::main::NomeFondi.name));
    EXPECT_EQ(label.property("index").toInt(), 4);
    // Not placed yet: out of sight.
    EXPECT_TRUE(label.isHidden());

    c.setGeometry(75, 160, 996, 480);
    EXPECT_FALSE(label.isHidden());
    EXPECT_EQ(label.geometry(), QRect(5, 11, 66, 32));

    c.setCaption(QStringLiteral("Principale 8'"));
    EXPECT_EQ(label.text(), QStringLiteral("Principale 8'"));

    c.setBackColor(color::Lit);
    EXPECT_EQ(label.backgroundColor(), SystemColors::lit());
    c.setBackColor(color::ButtonFace);
    EXPECT_EQ(label.backgroundColor(), QApplication::palette().color(QPalette::Button));
    c.setForeColor(color::White);
    EXPECT_EQ(label.textColor(), QColor(Qt::white));

    // A transparent label lets what lies beneath show through, and has no border.
    EXPECT_NE(label.frameStyle(), int(QFrame::NoFrame));
    c.setTransparent(true);
    EXPECT_FALSE(label.backgroundColor().isValid());
    EXPECT_EQ(label.frameStyle(), int(QFrame::NoFrame));

    c.setVisible(false);
    EXPECT_TRUE(label.isHidden());
    c.setVisible(true);
    c.setTop(625);
    EXPECT_EQ(label.geometry().top(), 42);
    EXPECT_FALSE(label.isHidden());

    c.setEnabled(false);
    EXPECT_FALSE(label.isEnabled());
    c.setToolTip(QStringLiteral("tip"));
    EXPECT_EQ(label.toolTip(), QStringLiteral("tip"));
    c.setFont(FontStyle{QStringLiteral("Arial"), 11, true, false});
    EXPECT_DOUBLE_EQ(label.font().pointSizeF(), 11);
    EXPECT_TRUE(label.font().bold());
}

TEST_F(ControlWidgetTest, LabelClicksAndDoubleClicksReachTheHandlers) {
    Control& c = form.add(ctl::main::Tir_FO_GO, 2);
    c.setGeometry(0, 0, 480, 468);
    int clicks = 0, doubleClicks = 0;
    c.onClick = [&] { ++clicks; };
    c.onDblClick = [&] { ++doubleClicks; };
    PanelLabel label(c, PanelLabel::Role::Text, twips, &surface);
    QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(&label, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    // Pressed inside, released outside: no click.
    QTest::mousePress(&label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(&label, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
    EXPECT_EQ(clicks, 1);
    QTest::mouseDClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(ControlWidgetTest, PictureFillsTheControlOrKeepsItsOwnSize) {
    const QString knob = writePicture(QStringLiteral("knob.jpg"), QSize(21, 21), Qt::red);
    const QString led = writePicture(QStringLiteral("led.png"), QSize(16, 16), Qt::green);
    Control& c = form.add(ctl::main::Tir_FO_GO_graph, 0);
    PanelLabel picture(c, PanelLabel::Role::Picture, twips, &surface);
    c.setGeometry(225, 590, 320, 320);
    c.setPicture(knob);
    EXPECT_EQ(picture.pictureFile(), knob);
    EXPECT_EQ(picture.pixmap().size(), QSize(21, 21));
    EXPECT_EQ(picture.geometry(), QRect(15, 39, 21, 21));

    c.setGeometry(225, 590, 600, 300);
    EXPECT_EQ(picture.pixmap().size(), QSize(40, 20));

    // Only a width: the picture's own height, drawn at its own size.
    Control& l = form.add(QStringLiteral("LedFree"), 1);
    PanelLabel ledLabel(l, PanelLabel::Role::Picture, twips, &surface);
    l.setGeometry(84, 7710, 266, std::nan(""));
    l.setPicture(led);
    EXPECT_EQ(ledLabel.geometry(), QRect(6, 514, 18, 16));
    EXPECT_EQ(ledLabel.pixmap().size(), QSize(16, 16));

    // A missing file shows nothing and breaks nothing.
    c.setPicture(dir.filePath(QStringLiteral("missing.jpg")));
    EXPECT_TRUE(picture.pictureFile().isEmpty());
    EXPECT_TRUE(picture.pixmap().isNull());
    c.setPicture(knob);
    EXPECT_FALSE(picture.pixmap().isNull());
}

TEST_F(ControlWidgetTest, ButtonShowsLitAndUnlitAndClicksTheControl) {
    Control& c = form.add(ctl::main::RESET);
    c.setCaption(QStringLiteral("RESET"));
    c.setBackColor(color::ButtonFace);
    c.setGeometry(75, 5550, 3090, 240);
    int clicks = 0;
    c.onClick = [&] { ++clicks; };
    PanelButton button(c, twips, &surface);
    EXPECT_EQ(button.text(), QStringLiteral("RESET"));
    const QColor unlit = button.faceColor();
    c.setBackColor(color::Lit);
    EXPECT_EQ(button.faceColor(), SystemColors::lit());
    EXPECT_NE(button.faceColor(), unlit);
    c.setBackColor(color::ButtonFace);
    EXPECT_EQ(button.faceColor(), unlit);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    c.setCaption(QStringLiteral("Go Restore"));
    EXPECT_EQ(button.text(), QStringLiteral("Go Restore"));
    c.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlWidgetTest, AHandlerThatFailsDoesNotTakeTheWindowDown) {
    Control& c = form.add(ctl::main::Panic);
    c.setGeometry(0, 0, 900, 240);
    c.onClick = [] { throw std::out_of_range("no control Missing"); };
    PanelButton button(c, twips, &surface);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_TRUE(button.isVisible());
}

TEST_F(ControlWidgetTest, SliderAndScrollBarFollowAndScrollTheControl) {
    Control& s = form.add(ctl::setup::Slider1);
    s.setRange(0, 100, 1, 5);
    int scrolls = 0;
    s.onScroll = [&] { ++scrolls; };
    BoundSlider slider(s, std::nullopt, &surface);
    EXPECT_EQ(slider.maximum(), 100);
    s.setValue(30); // from the program: no scroll event
    EXPECT_EQ(slider.value(), 30);
    EXPECT_EQ(scrolls, 0);
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(s.value(), 31);
    EXPECT_EQ(scrolls, 1);
    QTest::keyClick(&slider, Qt::Key_PageUp);
    EXPECT_EQ(s.value(), 36);

    Control& v = form.add(ctl::fonts::VScroll_fontSize);
    v.setRange(4, 72, 1, 4);
    v.setValue(7);
    BoundScrollBar bar(v, std::nullopt, &surface);
    EXPECT_EQ(bar.value(), 7);
    v.onScroll = [&] { ++scrolls; };
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(v.value(), 8);
    EXPECT_EQ(scrolls, 3);
}

TEST_F(ControlWidgetTest, ListsFollowTheirEntriesAndChooseOnTheControl) {
    Control& c = form.add(ctl::setup::outputDevcombo);
    c.setValue(-1);
    int clicks = 0;
    c.onClick = [&] { ++clicks; };
    BoundComboBox combo(c, std::nullopt, &surface);
    c.addItem(QStringLiteral("Sound Module"));
    c.addItem(QStringLiteral("No device"));
    EXPECT_EQ(combo.entries(), (QStringList{"Sound Module", "No device"}));
    EXPECT_EQ(combo.currentIndex(), -1);
    c.setListIndex(1);
    EXPECT_EQ(combo.currentIndex(), 1);
    EXPECT_EQ(clicks, 1); // the program's selection runs the handler, as the console says
    emit combo.activated(0);
    EXPECT_EQ(c.listIndex(), 0);
    EXPECT_EQ(clicks, 2);
    c.clearItems();
    c.addItem(QStringLiteral("Other"));
    EXPECT_EQ(combo.entries(), QStringList{"Other"});

    Control& l = form.add(ctl::fonts::lstSearch);
    l.setValue(-1);
    for (int i = 0; i < 40; ++i)
        l.addItem(QStringLiteral("Font %1").arg(i, 2, 10, QLatin1Char('0')));
    BoundListWidget list(l, std::nullopt, &surface);
    list.resize(200, 100);
    EXPECT_EQ(list.count(), 40);
    int listClicks = 0;
    l.onClick = [&] { ++listClicks; };
    list.setCurrentRow(3);
    EXPECT_EQ(l.listIndex(), 3);
    EXPECT_EQ(listClicks, 1);
    l.setListIndex(25);
    EXPECT_EQ(list.currentRow(), 25);
    l.setListIndex(-1);
    EXPECT_TRUE(list.selectedItems().isEmpty());
}

TEST_F(ControlWidgetTest, BoxesAndOptionsTickOnTheControl) {
    Control& c = form.add(ctl::setup::Check_Filters, 2);
    c.setCaption(QStringLiteral("TUNE"));
    bool ticked = false;
    c.onClick = [&] { ticked = c.value() != 0; };
    BoundCheckBox box(c, std::nullopt, &surface);
    EXPECT_EQ(box.text(), QStringLiteral("TUNE"));
    QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(5, box.height() / 2));
    EXPECT_TRUE(ticked);
    EXPECT_EQ(c.value(), 1);
    c.setValue(0);
    EXPECT_FALSE(box.isChecked());

    form.addOptionArray(ctl::advanced::OptionGlobalCoupling);
    Control& o0 = form(ctl::advanced::OptionGlobalCoupling, 0);
    Control& o2 = form(ctl::advanced::OptionGlobalCoupling, 2);
    BoundRadioButton r0(o0, std::nullopt, &surface);
    BoundRadioButton r2(o2, std::nullopt, &surface);
    o0.selectOption();
    EXPECT_TRUE(r0.isChecked());
    r2.click();
    EXPECT_TRUE(r2.isChecked());
    EXPECT_FALSE(r0.isChecked());
    EXPECT_EQ(o0.value(), 0);
    EXPECT_EQ(o2.value(), 1);
}

TEST_F(ControlWidgetTest, TextBoxEditsTheControlAndReportsItsFocus) {
    Control& c = form.add(ctl::fonts::txtSearch);
    QStringList events;
    c.onChange = [&] { events << QStringLiteral("change:") + c.text(); };
    c.onGotFocus = [&] { events << QStringLiteral("got"); };
    c.onLostFocus = [&] { events << QStringLiteral("lost"); };
    BoundLineEdit edit(c, std::nullopt, &surface);
    BoundLineEdit other(form.add(QStringLiteral("txtOther")), std::nullopt, &surface);
    surface.activateWindow();
    QApplication::setActiveWindow(&surface);
    edit.setFocus();
    QTest::keyClicks(&edit, QStringLiteral("Ar"));
    other.setFocus();
    EXPECT_EQ(events, (QStringList{"got", "change:A", "change:Ar", "lost"}));
    // The program's text replaces the box's without an edit event.
    c.setCaption(QStringLiteral("Arial"));
    EXPECT_EQ(edit.text(), QStringLiteral("Arial"));
    EXPECT_EQ(events.size(), 4);
}

TEST_F(ControlWidgetTest, MenuItemFollowsItsCheckMarkAndCaption) {
    Control& c = form.add(ctl::main::EnableCFG);
    c.setCaption(QStringLiteral("Save &Configuration on EXIT"));
    QMenu menu;
    BoundMenuAction action(c, true, &menu);
    EXPECT_EQ(action.text(), QStringLiteral("Save &Configuration on EXIT"));
    c.setChecked(true);
    EXPECT_TRUE(action.isChecked());
    // A click the console ignores leaves the mark where the console has it.
    action.trigger();
    EXPECT_TRUE(action.isChecked());
    c.onClick = [&c] { c.setChecked(!c.isChecked()); };
    action.trigger();
    EXPECT_FALSE(action.isChecked());

    // A "-" caption is a separator line like any other, and no "-" row.
    Control& line = form.add(ctl::main::Line0);
    line.setCaption(QStringLiteral("-"));
    BoundMenuAction separator(line, false, &menu);
    Control& next = form.add(ctl::main::Exit);
    next.setCaption(QStringLiteral("&Exit"));
    BoundMenuAction after(next, false, &menu);
    menu.addActions({&action, &separator, &after});
    QAction* plain = menu.addSeparator();
    menu.addAction(QStringLiteral("Last"));
    EXPECT_TRUE(separator.isSeparator());
    EXPECT_EQ(menu.actionGeometry(&separator).height(), menu.actionGeometry(plain).height());
    c.setVisible(false);
    EXPECT_FALSE(action.isVisible());
}
