// The Sound window drawn: its rows follow the driver chosen (a list of devices or a name typed
// in), the player's choices reach the console, and OK applies them and closes it.
#include "SoundDialog.h"
#include "AppFixture.h"
#include "FakeSound.h"
#include "SoundSetup.h"
#include "SoundWindowControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

namespace vorlo::test {
namespace {

class SoundDialogTest : public AppFixture {
protected:
    SoundDialog* open() {
        sound = &fake;
        startApp([](ConsoleState& s) { s.GraphicMode = false; });
        menuItem(ctl::main::SetSound)->trigger();
        settle();
        return window<SoundDialog>(forms::Sound);
    }
    // The player picks an entry of a list.
    static void pick(QComboBox* combo, const QString& text) {
        const int i = combo->findText(text);
        ASSERT_GE(i, 0) << text.toStdString();
        combo->setCurrentIndex(i);
        emit combo->activated(i);
    }
    template <typename T> T* widget(SoundDialog* w, const ControlId& id) {
        return widgetOf<T>(w, ControlRef(id));
    }
    FakeSound fake;
};

} // namespace

TEST_F(SoundDialogTest, TheRowsFollowTheDriverAndOkAppliesWhatThePlayerChose) {
    fake.current.audioDriver = QStringLiteral("alsa");
    fake.presets[{0, 19}] = SoundSystem::ToneSource::Own;
    SoundDialog* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    auto* driver = widget<QComboBox>(w, ctl::sound::DriverCombo);
    auto* devices = widget<QComboBox>(w, ctl::sound::DeviceCombo);
    auto* name = widget<QLineEdit>(w, ctl::sound::DeviceText);
    auto* check = widget<QListWidget>(w, ctl::sound::ToneCheck);
    auto* volume = widget<QSlider>(w, ctl::sound::VolumeSlider);
    auto* ok = widget<QPushButton>(w, ctl::sound::OkButton);
    ASSERT_TRUE(driver && devices && name && check && volume && ok);
    EXPECT_EQ(driver->currentText(), QStringLiteral("alsa (playing)"));
    EXPECT_TRUE(name->isVisible()) << "ALSA lists no devices: a name is typed in";
    EXPECT_FALSE(devices->isVisible());
    EXPECT_EQ(check->count(), 1);

    pick(driver, QStringLiteral("pulseaudio"));
    EXPECT_TRUE(devices->isVisible());
    EXPECT_FALSE(name->isVisible());
    EXPECT_EQ(devices->count(), 3);
    pick(devices, QStringLiteral("sink-b"));
    volume->setValue(-4);
    EXPECT_EQ(widget<QWidget>(w, ctl::sound::LabelVolumeValue)->property("text").toString(),
              QStringLiteral("-4 dB"));
    clickWidget(ok);
    settle();
    EXPECT_FALSE(w->isVisible());
    ASSERT_EQ(fake.applied.size(), 1);
    EXPECT_EQ(fake.applied[0].audioDriver, QStringLiteral("pulseaudio"));
    EXPECT_EQ(fake.applied[0].audioDevice, QStringLiteral("sink-b"));
    EXPECT_EQ(fake.applied[0].volumeDb, -4);
}

} // namespace vorlo::test
