// The Advanced, Thru and Total Recall windows on a running console.
#include "AdvancedWindow.h"
#include "AppFixture.h"
#include "BoundMenuAction.h"
#include "BoundWidget.h"
#include "PanelButton.h"
#include "PanelLabel.h"
#include "SystemColors.h"
#include "ThruWindow.h"
#include "TotalRecallWindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QTest>
#include <array>

namespace vorlo::test {
namespace {

const QColor kLit = SystemColors::lit();

class PlayerWindowsTest : public AppFixture {
protected:
    void start(const std::function<void(ConsoleState&)>& tweak = [](ConsoleState&) {}) {
        startApp([tweak](ConsoleState& s) {
            s.GraphicMode = false;
            s.GlobalCoupling = 0;
            s.ThruMode = 0;
            tweak(s);
        });
    }
    QWidget* openFromMenu(const char* item, const char* formName) {
        mainWindow()->menuAction(QString::fromLatin1(item))->trigger();
        settle();
        return windows->window(QString::fromLatin1(formName));
    }
    template <typename T> T* in(const char* formName, const char* name, int index = -1) const {
        auto* w = qobject_cast<FormDialog*>(windows->window(QString::fromLatin1(formName)));
        return w ? w->control<T>(QString::fromLatin1(name), index) : nullptr;
    }
    template <typename T> T* adv(const char* name, int index = -1) const {
        return in<T>(forms::Advanced, name, index);
    }
    template <typename T> T* thru(const char* name, int index = -1) const {
        return in<T>(forms::Thru, name, index);
    }
    static void key(QSlider* slider, Qt::Key k) {
        slider->setFocus();
        QTest::keyClick(slider, k);
    }
    static QString cc(int channel, int controller, int value) {
        return QString::asprintf("B%X %02X %02X", channel - 1, controller, value);
    }
    static int top(QWidget* w) { return w->mapTo(w->window(), QPoint()).y(); }
};

TEST_F(PlayerWindowsTest, AdvancedWindowIsADeskOfFadersUnderTheirHeadings) {
    start();
    auto* w = qobject_cast<AdvancedWindow*>(windows->window(QString::fromLatin1(forms::Advanced)));
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Advanced Controls"));
    EXPECT_EQ(w->width(), 640) << "9600 twips";
    const struct {
        const char *frame, *heading, *slider, *value;
        int division, index, minimum; // division: the headings' index
    } strips[] = {{"FrameGreat", "HeadingF", "SliderFondi", "EXPfondi", 1, 1, 0},
                  {"FrameGreat", "HeadingA", "SliderAncie", "EXPancie", 1, 1, 0},
                  {"FrameGreat", "HeadingGlobal", "SliderGO", "EXPGO", 1, -1, 60},
                  {"FrameSwell", "HeadingM", "SliderMutazioni", "EXPmutazioni", 2, 2, 0},
                  {"FrameSwell", "HeadingGlobal", "SliderSW", "EXPSW", 2, -1, 60},
                  {"FramePedal", nullptr, "SliderPE", "EXPPE", 0, -1, 60}};
    for (const auto& s : strips) {
        SCOPED_TRACE(s.slider);
        auto* frame = adv<QGroupBox>(s.frame);
        auto* slider = adv<BoundSlider>(s.slider, s.index);
        auto* value = adv<PanelLabel>(s.value, s.index);
        ASSERT_TRUE(frame && slider && value);
        EXPECT_EQ(slider->orientation(), Qt::Vertical);
        EXPECT_EQ(std::tuple(slider->minimum(), slider->maximum(), slider->pageStep()),
                  std::tuple(s.minimum, 127, 5));
        EXPECT_TRUE(frame->isAncestorOf(slider) && frame->isAncestorOf(value));
        EXPECT_GE(top(value), top(slider) + slider->height()) << "the value under its fader";
        EXPECT_TRUE(w->rect().contains(QRect(frame->mapTo(w, QPoint()), frame->size())));
        if (s.heading) {
            auto* heading = adv<PanelLabel>(s.heading, s.division);
            ASSERT_NE(heading, nullptr);
            EXPECT_TRUE(frame->isAncestorOf(heading));
            EXPECT_LE(top(heading) + heading->height(), top(slider));
        }
    }
    EXPECT_TRUE(adv<QGroupBox>("FrameCoupling")
                    ->isAncestorOf(adv<BoundRadioButton>("OptionGlobalCoupling", 2)));
    EXPECT_EQ(adv<BoundSlider>("SliderTremoloRate")->orientation(), Qt::Horizontal);
}

TEST_F(PlayerWindowsTest, FadersSendWhenMovedAndFollowTheConsoleSilently) {
    start();
    auto* fondiSw = adv<BoundSlider>("SliderFondi", 2);
    auto* go = adv<BoundSlider>("SliderGO");
    auto* sw = adv<BoundSlider>("SliderSW");
    // The reset leaves everything at the top; up is louder.
    key(fondiSw, Qt::Key_Down);
    EXPECT_EQ(st().live().MemBalFO_SW, 126);
    EXPECT_EQ(log(), QStringList{cc(2, 7, 1)});
    EXPECT_EQ(adv<PanelLabel>("EXPfondi", 2)->text(), QStringLiteral("126"));
    // A click on the groove above the handle raises by the large change, below lowers.
    key(fondiSw, Qt::Key_PageDown);
    QTest::mouseClick(fondiSw, Qt::LeftButton, {}, QPoint(fondiSw->width() / 2, 3));
    EXPECT_EQ(st().live().MemBalFO_SW, 126);
    QTest::mouseClick(fondiSw, Qt::LeftButton, {},
                      QPoint(fondiSw->width() / 2, fondiSw->height() - 3));
    EXPECT_EQ(log(), (QStringList{cc(2, 7, 6), cc(2, 7, 1), cc(2, 7, 6)}));
    key(adv<BoundSlider>("SliderPE"), Qt::Key_Home);
    EXPECT_EQ(log(), QStringList{cc(3, 11, 60)}) << "levels stop at 60";

    // Coupled levels: the follower's fader moves without sending a second time.
    adv<BoundRadioButton>("OptionGlobalCoupling", 1)->click();
    EXPECT_EQ(st().GlobalCoupling, 1);
    EXPECT_FALSE(adv<BoundRadioButton>("OptionGlobalCoupling", 0)->isChecked());
    key(sw, Qt::Key_Down);
    EXPECT_EQ(log(), (QStringList{cc(1, 11, 126), cc(2, 11, 126)}));
    EXPECT_EQ(go->value(), 126);
    EXPECT_EQ(adv<PanelLabel>("EXPGO")->text(), QStringLiteral("126"));
    adv<BoundRadioButton>("OptionGlobalCoupling", 0)->click();

    // An expression pedal and a memory recall move the faders: each level is sent once.
    play(kKeyboard1, {0xB0, 11, 64});
    settle();
    EXPECT_EQ(log(), QStringList{cc(1, 11, 97)});
    EXPECT_EQ(go->value(), 97);
    st().slot(3).MemBalFO_SW = 90;
    st().slot(3).MemExprSW = 70;
    clickWidget(mainWindow()->control<QWidget>(QStringLiteral("C_memory"), 3));
    settle();
    const QStringList recalled = log();
    EXPECT_EQ(recalled.filter(QStringLiteral("B1 07")), QStringList{cc(2, 7, 37)});
    EXPECT_EQ(recalled.filter(QStringLiteral("B1 0B")), QStringList{cc(2, 11, 70)});
    EXPECT_EQ(std::pair(fondiSw->value(), sw->value()), std::pair(90, 70));
    EXPECT_EQ(adv<PanelLabel>("EXPSW")->text(), QStringLiteral("70"));

    // "Stops Bal." cleared: the next recall leaves the balances where they are.
    adv<BoundCheckBox>("Memory_Recall", 1)->click();
    EXPECT_EQ(st().RecallBalance, 0);
    st().slot(4).MemBalFO_SW = 10;
    clickWidget(mainWindow()->control<QWidget>(QStringLiteral("C_memory"), 4));
    settle();
    EXPECT_EQ(fondiSw->value(), 90);
    adv<BoundCheckBox>("Memory_Recall", 0)->click();
    EXPECT_EQ(st().RecallGlobals, 0);
}

TEST_F(PlayerWindowsTest, ListsAndTheTremoloRateSendTheirSettings) {
    start();
    auto pick = [](BoundComboBox* combo, int i) {
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    };
    auto* reverbs = adv<BoundComboBox>("Riverberi");
    pick(reverbs, 3);
    EXPECT_EQ(log(), QStringList{marker(25)});
    pick(adv<BoundComboBox>("TremoloType"), 1);
    EXPECT_EQ(log(), (QStringList{marker(37), marker(38)}));
    pick(adv<BoundComboBox>("NotaInizTemp"), 2);
    EXPECT_EQ(st().TemperamentStart, 2);
    const QStringList temperament = log();
    ASSERT_EQ(temperament.size(), 32);
    EXPECT_EQ(temperament.last(), temp(32));
    key(adv<BoundSlider>("SliderTremoloRate"), Qt::Key_Right);
    EXPECT_EQ(adv<PanelLabel>("Valore")->text(), QStringLiteral("101"));
    EXPECT_EQ(log(), (QStringList{cc(1, 1, 0), cc(2, 1, 0)})) << "both tremolos off";

    // Lists stepped from the keyboard (sustain, then a list key) show the new entry.
    play(kKeyboard1, {0xB0, 64, 127});
    play(kKeyboard1, {0x90, 94, 100});
    play(kKeyboard1, {0x90, 90, 100});
    settle();
    EXPECT_EQ(reverbs->currentIndex(), 4);
    EXPECT_EQ(adv<BoundComboBox>("Temperamenti")->currentIndex(), st().Temperament);
    EXPECT_EQ(st().Temperament, 1);
}

TEST_F(PlayerWindowsTest, AdvancedWindowRefusesToCloseAndKeepsItsPlace) {
    start([](ConsoleState& s) {
        s.AdvancedLeft = 1500;
        s.AdvancedTop = 3000;
    });
    QWidget* w = windows->window(QString::fromLatin1(forms::Advanced));
    EXPECT_EQ(w->pos(), QPoint(100, 200));
    w->close();
    QTest::keyClick(w, Qt::Key_Escape);
    settle();
    EXPECT_TRUE(w->isVisible());
    w->move(300, 250);
    settle();
    console->Salva_dati_di_avvio();
    EXPECT_EQ(std::pair(st().AdvancedLeft, st().AdvancedTop), std::pair(4500.f, 3750.f));
}

TEST_F(PlayerWindowsTest, MenusBringAWindowAlreadyOpenToTheFront) {
    start();
    QWidget* main = mainWindow();
    auto back = [this, main] {
        main->activateWindow();
        QApplication::setActiveWindow(main);
        settle();
        ASSERT_TRUE(main->isActiveWindow());
    };
    const struct {
        const char *item, *form;
    } menus[] = {{"advanced_s", forms::Advanced},
                 {"MidiTHRU", forms::Thru},
                 {"totRec", forms::TotalRecall},
                 {"About", forms::About},
                 {"LoadEditor", forms::Editor}};
    for (const auto& m : menus) {
        SCOPED_TRACE(m.item);
        QWidget* w = openFromMenu(m.item, m.form);
        ASSERT_NE(w, nullptr);
        back();
        EXPECT_EQ(openFromMenu(m.item, m.form), w) << "the same window";
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(w->isActiveWindow());
    }
}

TEST_F(PlayerWindowsTest, ThruWindowLightsTheModeInForceAndLearnsChannels) {
    start();
    QWidget* w = openFromMenu("MidiTHRU", forms::Thru);
    ASSERT_NE(qobject_cast<ThruWindow*>(w), nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Thru Mode"));
    EXPECT_NEAR(w->x(), (1920 - w->width()) / 2, 1) << "centred";
    const std::array<PanelLabel*, 3> descriptions = {
        thru<PanelLabel>("Label3"), thru<PanelLabel>("Label2", 3), thru<PanelLabel>("Label1")};
    for (int k = 0; k < 3; ++k) {
        ASSERT_NE(descriptions[static_cast<size_t>(k)], nullptr);
        ASSERT_NE(thru<PanelLabel>("Custom_Thru_label", k), nullptr);
    }
    auto litOnes = [&] {
        QString s;
        for (PanelLabel* d : descriptions)
            s += d->backgroundColor() == kLit ? '*' : '-';
        for (int k = 0; k < 3; ++k)
            s += thru<PanelLabel>("Custom_Thru_label", k)->backgroundColor() == kLit ? '*' : '-';
        return s;
    };
    for (PanelLabel* d : descriptions)
        EXPECT_GT(d->height(), 2 * d->fontMetrics().height()) << "wrapped on several lines";
    EXPECT_EQ(litOnes(), QStringLiteral("*-----"));
    EXPECT_EQ(thru<PanelLabel>("Custom_Thru_label", 2)->text(), QStringLiteral("Not rechanneled "));

    thru<BoundRadioButton>("Thru_choose", 1)->click();
    EXPECT_EQ(litOnes(), QStringLiteral("-*----"));
    thru<BoundRadioButton>("Thru_choose", 2)->click();
    EXPECT_FALSE(thru<BoundRadioButton>("Thru_choose", 1)->isChecked());
    EXPECT_EQ(litOnes(), QStringLiteral("--*---"));
    EXPECT_EQ(thru<PanelLabel>("Custom_Thru_label", 0)->text(), QStringLiteral("channel = 2"));

    // The Swell field is the target: lit alone, it learns the next key's channel.
    clickWidget(thru<PanelLabel>("Custom_Thru_label", 1));
    EXPECT_EQ(litOnes(), QStringLiteral("--*-*-"));
    play(kKeyboard2, {0x96, 60, 100});
    settle();
    EXPECT_EQ(thru<PanelLabel>("Custom_Thru_label", 1)->text(), QStringLiteral("Channel = 7"));
    EXPECT_EQ(thru<PanelLabel>("Custom_Thru_label", 2)->text(), QStringLiteral("channel = 4"));

    clickWidget(thru<PanelButton>("Command1"));
    settle();
    EXPECT_EQ(windows->window(QString::fromLatin1(forms::Thru)), nullptr);
    log();
    play(kKeyboard1, {0x96, 64, 100});
    settle();
    EXPECT_EQ(log(), QStringList{QStringLiteral("91 40 64")}) << "channel 7 plays the Swell";
}

TEST_F(PlayerWindowsTest, ThruCancelCloseBoxAndEscapeKeepTheModeInForce) {
    start();
    auto* thruButton = mainWindow()->control<QWidget>(QStringLiteral("THRUBUTTON"));
    openFromMenu("MidiTHRU", forms::Thru);
    thru<BoundRadioButton>("Thru_choose", 1)->click();
    clickWidget(thru<PanelButton>("Command2"));
    settle();
    EXPECT_EQ(st().ThruMode, 0);
    EXPECT_TRUE(thruButton->isHidden());
    for (bool closeBox : {true, false}) {
        QWidget* w = openFromMenu("MidiTHRU", forms::Thru);
        thru<BoundRadioButton>("Thru_choose", 1)->click();
        closeBox ? (void)w->close() : QTest::keyClick(w, Qt::Key_Escape);
        settle();
        EXPECT_EQ(windows->window(QString::fromLatin1(forms::Thru)), nullptr);
        EXPECT_EQ(st().ThruMode, 0);
    }
}

TEST_F(PlayerWindowsTest, TotalRecallWindowShowsTheKeyMapAndOnlyHides) {
    start();
    QImage keyMap(1000, 300, QImage::Format_RGB32);
    keyMap.fill(Qt::white);
    ASSERT_TRUE(keyMap.save(appFile(QStringLiteral("tastiera.bmp")), "BMP"));
    QWidget* w = openFromMenu("totRec", forms::TotalRecall);
    ASSERT_NE(qobject_cast<TotalRecallWindow*>(w), nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Total Recall Display"));
    EXPECT_FALSE(w->isModal());
    auto* picture = in<PanelLabel>(forms::TotalRecall, "Image1");
    EXPECT_EQ(picture->pixmap().size(), QSize(1000, 300));
    EXPECT_LT(w->width(), picture->width() + 60) << "the texts wrap to the key map's width";
    for (PanelLabel* label : {picture, in<PanelLabel>(forms::TotalRecall, "Label1"),
                              in<PanelLabel>(forms::TotalRecall, "Label2")}) {
        EXPECT_TRUE(w->rect().contains(QRect(label->mapTo(w, QPoint()), label->size())));
        if (label != picture) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << "all lines";
        }
    }
    w->close();
    settle();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(openFromMenu("totRec", forms::TotalRecall), w) << "hidden, not destroyed";
    EXPECT_TRUE(w->isVisible());
}

} // namespace
} // namespace vorlo::test
