// The on-screen keyboard window: the mouse plays its keys and lights them while held; its
// computer keys play while it has the focus, and the same keys stay hotkeys in the main window.
#include "OnScreenKeyboardWindow.h"
#include "AppFixture.h"
#include "KeyRowWidget.h"
#include "KeyboardWindowControls.h"
#include "OnScreenKeyboard.h"
#include "SystemColors.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace vorlo::test {
namespace {

class OnScreenKeyboardWindowTest : public AppFixture {
protected:
    OnScreenKeyboardWindow* open() {
        startApp([](ConsoleState& s) {
            s.GraphicMode = false;
            s.ThruMode = 0;
        });
        menuItem(ctl::main::OnScreenKbd)->trigger();
        settle();
        return window<OnScreenKeyboardWindow>(forms::Keyboard);
    }
    static QColor colourAt(QWidget* w, const QPoint& p) {
        return w->grab().toImage().pixelColor(p * w->devicePixelRatioF());
    }
    // A move with the left button held, as a drag makes it.
    static void drag(QWidget* w, const QPoint& to) {
        QMouseEvent move(QEvent::MouseMove, QPointF(to), w->mapToGlobal(QPointF(to)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    static QString note(int status, int key, int velocity) {
        return QString::asprintf("%02X %02X %02X", status, key, velocity);
    }
};

} // namespace

TEST_F(OnScreenKeyboardWindowTest, TheMousePlaysAKeyLitWhileHeldAndLeavingItEndsIt) {
    OnScreenKeyboardWindow* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    console->couplers().UN_GOSW_Click();
    log();
    KeyRowWidget* great = w->row(DivisionId::Great);
    KeyRowWidget* pedal = w->row(DivisionId::Pedal);
    ASSERT_NE(great, nullptr);
    ASSERT_NE(pedal, nullptr);
    EXPECT_LT(pedal->width(), great->width() * 2 / 3) << "the Pedal's 32 keys against 61";
    const int c4 = 24; // MIDI key 60
    const QPoint centre = great->keyRect(c4).center();
    const QPoint low = QPoint(centre.x(), great->height() - 8); // on the natural, under sharps
    const QColor unlit = colourAt(great, low);
    QTest::mousePress(great, Qt::LeftButton, Qt::NoModifier, low);
    EXPECT_EQ(log(), QStringList({note(0x90, 60, OnScreenKeyboard::kVelocity),
                                  note(0x91, 60, OnScreenKeyboard::kVelocity)}));
    EXPECT_EQ(colourAt(great, low), SystemColors::lit()) << "lit while held";
    EXPECT_NE(unlit, SystemColors::lit());
    QTest::mouseRelease(great, Qt::LeftButton, Qt::NoModifier, low);
    EXPECT_EQ(log(), QStringList({note(0x80, 60, 0), note(0x81, 60, 0)}));
    EXPECT_EQ(colourAt(great, low), unlit);

    // Pressed, then the pointer leaves the key for no key: the note ends before any release.
    const QPoint pedalC = QPoint(pedal->keyRect(0).center().x(), pedal->height() - 6);
    QTest::mousePress(pedal, Qt::LeftButton, Qt::NoModifier, pedalC);
    EXPECT_EQ(log(), QStringList{note(0x92, 36, OnScreenKeyboard::kVelocity)});
    drag(pedal, QPoint(pedal->width() + 40, pedalC.y()));
    EXPECT_EQ(log(), QStringList{note(0x82, 36, 0)});
    QTest::mouseRelease(pedal, Qt::LeftButton, Qt::NoModifier, QPoint(pedal->width() + 40, 5));
    EXPECT_TRUE(log().isEmpty()) << "released once";
}

TEST_F(OnScreenKeyboardWindowTest, AComputerKeyPlaysThereAndStaysAHotkeyInTheMainWindow) {
    OnScreenKeyboardWindow* w = open();
    ASSERT_NE(w, nullptr);
    QApplication::setActiveWindow(w);
    w->activateWindow();
    w->setFocus();
    settle();
    log();
    const int lastMemory = st().LastMemory;
    // "2" is the C sharp of the upper octave, Z the lower C.
    const int upperCSharp =
        OnScreenKeyboard::noteOf(console->onScreenKeyboard().computerKeyBase() + 13);
    QTest::keyPress(w, Qt::Key_2);
    EXPECT_EQ(log(), QStringList{note(0x90, upperCSharp, OnScreenKeyboard::kVelocity)});
    EXPECT_TRUE(console->onScreenKeyboard().isHeld(DivisionId::Great,
                                                   upperCSharp - OnScreenKeyboard::kLowestKey));
    QTest::keyRelease(w, Qt::Key_2);
    EXPECT_EQ(log(), QStringList{note(0x80, upperCSharp, 0)});
    EXPECT_EQ(st().LastMemory, lastMemory) << "no fixed memory recalled from this window";

    // Held while the main window takes the focus: the key is let go.
    QTest::keyPress(w, Qt::Key_Z);
    EXPECT_EQ(log().size(), 1);
    MainWindow* m = mainWindow();
    QApplication::setActiveWindow(m);
    m->activateWindow();
    m->setFocus();
    settle();
    EXPECT_EQ(
        log(),
        QStringList{note(
            0x80, OnScreenKeyboard::noteOf(console->onScreenKeyboard().computerKeyBase()), 0)});
    QTest::keyClick(m, Qt::Key_2);
    EXPECT_EQ(st().LastMemory, 14) << "fixed memory 2";
    for (const QString& line : log())
        EXPECT_FALSE(line.startsWith(QLatin1Char('9'))) << "no note from the main window";

    // Closing the window with a key held releases it.
    QApplication::setActiveWindow(w);
    w->activateWindow();
    settle();
    QTest::keyPress(w, Qt::Key_Q);
    log();
    QTest::keyClick(w, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(console->form(ctl::keyboard::Window).isVisible());
    EXPECT_EQ(log().size(), 1) << "its note ended";
}

} // namespace vorlo::test
