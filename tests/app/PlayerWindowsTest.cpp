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
#include <optional>

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
    QWidget* openFromMenu(const ControlId& item, const char* formName) {
        menuItem(item)->trigger();
        settle();
        return windows->window(QString::fromLatin1(formName));
    }
    template <typename T> T* adv(const ControlRef& c) const {
        return widgetOf<T>(window<FormDialog>(forms::Advanced), c);
    }
    template <typename T> T* adv(const ControlArrayId& id, int index) const {
        return adv<T>(ControlRef(id, index));
    }
    template <typename T> T* thru(const ControlRef& c) const {
        return widgetOf<T>(window<FormDialog>(forms::Thru), c);
    }
    template <typename T> T* thru(const ControlArrayId& id, int index) const {
        return thru<T>(ControlRef(id, index));
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
    using namespace ctl::advanced;
    // Each fader with its value under it and, but for the Pedal's, its heading above it.
    const struct {
        ControlId frame;
        std::optional<ControlRef> heading;
        ControlRef slider, value;
        int minimum;
    } strips[] = {{FrameGreat, ControlRef(HeadingF, 1), ControlRef(SliderFondi, 1),
                   ControlRef(EXPfondi, 1), 0},
                  {FrameGreat, ControlRef(HeadingA, 1), ControlRef(SliderAncie, 1),
                   ControlRef(EXPancie, 1), 0},
                  {FrameGreat, ControlRef(HeadingGlobal, 1), SliderGO, EXPGO, 60},
                  {FrameSwell, ControlRef(HeadingM, 2), ControlRef(SliderMutazioni, 2),
                   ControlRef(EXPmutazioni, 2), 0},
                  {FrameSwell, ControlRef(HeadingGlobal, 2), SliderSW, EXPSW, 60},
                  {FramePedal, std::nullopt, SliderPE, EXPPE, 60}};
    for (const auto& s : strips) {
        SCOPED_TRACE(s.slider.name);
        auto* frame = adv<QGroupBox>(s.frame);
        auto* slider = adv<BoundSlider>(s.slider);
        auto* value = adv<PanelLabel>(s.value);
        ASSERT_TRUE(frame && slider && value);
        EXPECT_EQ(slider->orientation(), Qt::Vertical);
        EXPECT_EQ(std::tuple(slider->minimum(), slider->maximum(), slider->pageStep()),
                  std::tuple(s.minimum, 127, 5));
        EXPECT_TRUE(frame->isAncestorOf(slider) && frame->isAncestorOf(value));
        EXPECT_GE(top(value), top(slider) + slider->height()) << "the value under its fader";
        EXPECT_TRUE(w->rect().contains(QRect(frame->mapTo(w, QPoint()), frame->size())));
        if (s.heading) {
            auto* heading = adv<PanelLabel>(*s.heading);
            ASSERT_NE(heading, nullptr);
            EXPECT_TRUE(frame->isAncestorOf(heading));
            EXPECT_LE(top(heading) + heading->height(), top(slider));
        }
    }
    EXPECT_TRUE(adv<QGroupBox>(ctl::advanced::FrameCoupling)
                    ->isAncestorOf(adv<BoundRadioButton>(ctl::advanced::OptionGlobalCoupling, 2)));
    EXPECT_EQ(adv<BoundSlider>(ctl::advanced::SliderTremoloRate)->orientation(), Qt::Horizontal);
}

TEST_F(PlayerWindowsTest, FadersSendWhenMovedAndFollowTheConsoleSilently) {
    start();
    auto* fondiSw = adv<BoundSlider>(ctl::advanced::SliderFondi, 2);
    auto* go = adv<BoundSlider>(ctl::advanced::SliderGO);
    auto* sw = adv<BoundSlider>(ctl::advanced::SliderSW);
    // The reset leaves everything at the top; up is louder.
    key(fondiSw, Qt::Key_Down);
    EXPECT_EQ(st().live().MemBalFO_SW, 126);
    EXPECT_EQ(log(), QStringList{cc(2, 7, 1)});
    EXPECT_EQ(adv<PanelLabel>(ctl::advanced::EXPfondi, 2)->text(), QStringLiteral("126"));
    // A click on the groove above the handle raises by the large change, below lowers.
    key(fondiSw, Qt::Key_PageDown);
    QTest::mouseClick(fondiSw, Qt::LeftButton, {}, QPoint(fondiSw->width() / 2, 3));
    EXPECT_EQ(st().live().MemBalFO_SW, 126);
    QTest::mouseClick(fondiSw, Qt::LeftButton, {},
                      QPoint(fondiSw->width() / 2, fondiSw->height() - 3));
    EXPECT_EQ(log(), (QStringList{cc(2, 7, 6), cc(2, 7, 1), cc(2, 7, 6)}));

    // Coupled levels: the follower's fader moves without sending a second time.
    adv<BoundRadioButton>(ctl::advanced::OptionGlobalCoupling, 1)->click();
    EXPECT_EQ(st().GlobalCoupling, 1);
    EXPECT_FALSE(adv<BoundRadioButton>(ctl::advanced::OptionGlobalCoupling, 0)->isChecked());
    key(sw, Qt::Key_Down);
    EXPECT_EQ(log(), (QStringList{cc(1, 11, 126), cc(2, 11, 126)}));
    EXPECT_EQ(go->value(), 126);
    EXPECT_EQ(adv<PanelLabel>(ctl::advanced::EXPGO)->text(), QStringLiteral("126"));
    adv<BoundRadioButton>(ctl::advanced::OptionGlobalCoupling, 0)->click();

    // An expression pedal and a memory recall move the faders: each level is sent once.
    play(kKeyboard1, {0xB0, 11, 64});
    settle();
    EXPECT_EQ(log(), QStringList{cc(1, 11, 97)});
    EXPECT_EQ(go->value(), 97);
    st().slot(3).MemBalFO_SW = 90;
    st().slot(3).MemExprSW = 70;
    clickWidget(panelWidget<QWidget>(ctl::main::C_memory, 3));
    settle();
    const QStringList recalled = log();
    EXPECT_EQ(recalled.filter(QStringLiteral("B1 07")), QStringList{cc(2, 7, 37)});
    EXPECT_EQ(recalled.filter(QStringLiteral("B1 0B")), QStringList{cc(2, 11, 70)});
    EXPECT_EQ(std::pair(fondiSw->value(), sw->value()), std::pair(90, 70));
    EXPECT_EQ(adv<PanelLabel>(ctl::advanced::EXPSW)->text(), QStringLiteral("70"));

    // The recall boxes: "Stops Bal." and "Global ".
    adv<BoundCheckBox>(ctl::advanced::Memory_Recall, 1)->click();
    EXPECT_EQ(st().RecallBalance, 0);
    adv<BoundCheckBox>(ctl::advanced::Memory_Recall, 0)->click();
    EXPECT_EQ(st().RecallGlobals, 0);
}

TEST_F(PlayerWindowsTest, ListsAndTheTremoloRateSendTheirSettings) {
    start();
    auto pick = [](BoundComboBox* combo, int i) {
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    };
    auto* reverbs = adv<BoundComboBox>(ctl::advanced::Riverberi);
    pick(reverbs, 3);
    EXPECT_EQ(log(), QStringList{marker(25)});
    pick(adv<BoundComboBox>(ctl::advanced::TremoloType), 1);
    EXPECT_EQ(log(), (QStringList{marker(37), marker(38)}));
    pick(adv<BoundComboBox>(ctl::advanced::NotaInizTemp), 2);
    EXPECT_EQ(st().TemperamentStart, 2);
    const QStringList temperament = log();
    ASSERT_EQ(temperament.size(), 32);
    EXPECT_EQ(temperament.last(), temp(32));
    key(adv<BoundSlider>(ctl::advanced::SliderTremoloRate), Qt::Key_Right);
    EXPECT_EQ(adv<PanelLabel>(ctl::advanced::Valore)->text(), QStringLiteral("101"));
    EXPECT_EQ(log(), (QStringList{cc(1, 1, 0), cc(2, 1, 0)})) << "both tremolos off";

    // Lists stepped from the keyboard (sustain, then a list key) show the new entry.
    play(kKeyboard1, {0xB0, 64, 127});
    play(kKeyboard1, {0x90, 94, 100});
    play(kKeyboard1, {0x90, 90, 100});
    settle();
    EXPECT_EQ(reverbs->currentIndex(), 4);
    EXPECT_EQ(adv<BoundComboBox>(ctl::advanced::Temperamenti)->currentIndex(), st().Temperament);
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
        ControlId item;
        const char* form;
    } menus[] = {
        {ctl::main::advanced_s, forms::Advanced}, {ctl::main::MidiTHRU, forms::Thru},
        {ctl::main::totRec, forms::TotalRecall},  {ctl::main::About, forms::About},
        {ctl::main::LoadEditor, forms::Editor},   {ctl::main::OnScreenKbd, forms::Keyboard},
        {ctl::main::RecordMenu, forms::Record}};
    for (const auto& m : menus) {
        SCOPED_TRACE(m.item.name);
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
    QWidget* w = openFromMenu(ctl::main::MidiTHRU, forms::Thru);
    ASSERT_NE(qobject_cast<ThruWindow*>(w), nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Thru Mode"));
    EXPECT_NEAR(w->x(), (1920 - w->width()) / 2, 1) << "centred";
    const std::array<PanelLabel*, 3> descriptions = {thru<PanelLabel>(ctl::thru::Label3),
                                                     thru<PanelLabel>(ctl::thru::Label2, 3),
                                                     thru<PanelLabel>(ctl::thru::Label1)};
    for (int k = 0; k < 3; ++k) {
        ASSERT_NE(descriptions[static_cast<size_t>(k)], nullptr);
        ASSERT_NE(thru<PanelLabel>(ctl::thru::Custom_Thru_label, k), nullptr);
    }
    auto litOnes = [&] {
        QString s;
        for (PanelLabel* d : descriptions)
            s += d->backgroundColor() == kLit ? '*' : '-';
        for (int k = 0; k < 3; ++k)
            s += thru<PanelLabel>(ctl::thru::Custom_Thru_label, k)->backgroundColor() == kLit ? '*'
                                                                                              : '-';
        return s;
    };
    for (PanelLabel* d : descriptions)
        EXPECT_GT(d->height(), 2 * d->fontMetrics().height()) << "wrapped on several lines";
    EXPECT_EQ(litOnes(), QStringLiteral("*-----"));
    EXPECT_EQ(thru<PanelLabel>(ctl::thru::Custom_Thru_label, 2)->text(),
              QStringLiteral("Not rechanneled "));

    thru<BoundRadioButton>(ctl::thru::Thru_choose, 1)->click();
    EXPECT_EQ(litOnes(), QStringLiteral("-*----"));
    thru<BoundRadioButton>(ctl::thru::Thru_choose, 2)->click();
    EXPECT_FALSE(thru<BoundRadioButton>(ctl::thru::Thru_choose, 1)->isChecked());
    EXPECT_EQ(litOnes(), QStringLiteral("--*---"));
    EXPECT_EQ(thru<PanelLabel>(ctl::thru::Custom_Thru_label, 0)->text(),
              QStringLiteral("channel = 2"));

    // The Swell field is the target: lit alone, it learns the next key's channel.
    clickWidget(thru<PanelLabel>(ctl::thru::Custom_Thru_label, 1));
    EXPECT_EQ(litOnes(), QStringLiteral("--*-*-"));
    play(kKeyboard2, {0x96, 60, 100});
    settle();
    EXPECT_EQ(thru<PanelLabel>(ctl::thru::Custom_Thru_label, 1)->text(),
              QStringLiteral("Channel = 7"));
    EXPECT_EQ(thru<PanelLabel>(ctl::thru::Custom_Thru_label, 2)->text(),
              QStringLiteral("channel = 4"));

    clickWidget(thru<PanelButton>(ctl::thru::Command1));
    settle();
    EXPECT_EQ(windows->window(QString::fromLatin1(forms::Thru)), nullptr);
    log();
    play(kKeyboard1, {0x96, 64, 100});
    settle();
    EXPECT_EQ(log(), QStringList{QStringLiteral("91 40 64")}) << "channel 7 plays the Swell";
}

TEST_F(PlayerWindowsTest, ThruCancelCloseBoxAndEscapeKeepTheModeInForce) {
    start();
    auto* thruButton = panelWidget<QWidget>(ctl::main::THRUBUTTON);
    openFromMenu(ctl::main::MidiTHRU, forms::Thru);
    thru<BoundRadioButton>(ctl::thru::Thru_choose, 1)->click();
    clickWidget(thru<PanelButton>(ctl::thru::Command2));
    settle();
    EXPECT_EQ(st().ThruMode, 0);
    EXPECT_TRUE(thruButton->isHidden());
    for (bool closeBox : {true, false}) {
        QWidget* w = openFromMenu(ctl::main::MidiTHRU, forms::Thru);
        thru<BoundRadioButton>(ctl::thru::Thru_choose, 1)->click();
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
    QWidget* w = openFromMenu(ctl::main::totRec, forms::TotalRecall);
    auto* window = qobject_cast<TotalRecallWindow*>(w);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Total Recall Display"));
    EXPECT_FALSE(w->isModal());
    auto* picture = widgetOf<PanelLabel>(window, ctl::totalrecall::Image1);
    EXPECT_EQ(picture->pixmap().size(), QSize(1000, 300));
    EXPECT_LT(w->width(), picture->width() + 60) << "the texts wrap to the key map's width";
    for (PanelLabel* label : {picture, widgetOf<PanelLabel>(window, ctl::totalrecall::Label1),
                              widgetOf<PanelLabel>(window, ctl::totalrecall::Label2)}) {
        EXPECT_TRUE(w->rect().contains(QRect(label->mapTo(w, QPoint()), label->size())));
        if (label != picture) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width())) << "all lines";
        }
    }
    w->close();
    settle();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(openFromMenu(ctl::main::totRec, forms::TotalRecall), w) << "hidden, not destroyed";
    EXPECT_TRUE(w->isVisible());
}

} // namespace
} // namespace vorlo::test
