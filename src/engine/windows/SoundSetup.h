#pragma once

#include "SoundSettings.h"
#include "SoundSystem.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

namespace vorlo {

class Control;
struct ControlId;
class ConsoleState;
class Dialogs;
class Form;
class InputDispatcher;
class MidiDevices;
class PanelState;
class ScreenMetrics;

// The Sound window: the built-in synthesizer's audio driver and device, SoundFont (with a check
// of the tones the organ's stops select), buffer, sample rate and master volume. The window
// edits a copy of the settings; Apply and OK store the changed ones in the settings file, hand
// them to the synthesizer and, when it is the module output, open it again on them and bring
// the module back in line, so they take effect at once. A sound that does not open is told with
// the audio driver's reason; the window stays open for another choice and the console goes on.
// Cancel (and the close box) change nothing. Test plays a chord on the Great as the on-screen
// keyboard would, through the stops drawn and the couplers, and lets every note go after it.
class SoundSetup : public QObject {
    Q_OBJECT
public:
    // The chord Test plays: C major around middle C, for about a second.
    static constexpr int kTestChord[] = {60, 64, 67};
    static constexpr int kTestVelocity = 100;
    static constexpr int kTestChordMs = 1000;
    // The buffer sizes and sample rates the lists offer (a stored other one is added).
    static constexpr int kBufferChoices[] = {32, 64, 128, 256, 512, 1024, 2048, 4096};
    static constexpr int kRateChoices[] = {22050, 32000, 44100, 48000, 88200, 96000};

    // sound: the synthesizer's settings; null when the program has none (the menu item is then
    // disabled).
    SoundSetup(const ConsoleState& state, PanelState& panel, Dialogs& dialogs,
               ScreenMetrics& screen, SoundSystem* sound, MidiDevices& devices,
               InputDispatcher& input);

    // Menu "&Sound...": shows the settings in effect, or brings the open window to the front.
    void SetSound_Click();
    void Form_Load();
    void DriverCombo_Click();
    void DeviceCombo_Click();
    void DeviceText_Change();
    void SoundFontBrowse_Click();
    void SoundFontAutomatic_Click();
    void BufferCombo_Click();
    void RateCombo_Click();
    void VolumeSlider_Scroll();
    void TestButton_Click();
    // Stores and applies; true when the sound plays (or waits for its output) with them.
    bool ApplyButton_Click();
    void OkButton_Click();
    void CancelButton_Click();

    // The settings as the window shows them (not yet applied).
    const SoundSettings& edited() const { return edited_; }
    // Whether the Test chord sounds.
    bool isTesting() const { return testing_; }

signals:
    // The Test chord was let go.
    void testFinished();

private:
    Control& control(const ControlId& id);
    Form& window();
    void showSettings();
    void showDrivers();
    void showDevices();
    void showSoundFont();
    void showLatency();
    void showVolume();
    void showStatus(const QString& failure = {});
    void checkTones();
    void releaseTest();
    void closeWindow();
    // Fills a list without running its handler.
    static void fill(Control& list, const QStringList& items, int index);

    const ConsoleState& state_;
    PanelState& panel_;
    Dialogs& dialogs_;
    ScreenMetrics& screen_;
    SoundSystem* sound_;
    MidiDevices& devices_;
    InputDispatcher& input_;
    // In effect (as last applied) and as edited in the window.
    SoundSettings applied_;
    SoundSettings edited_;
    // The values behind the lists' entries.
    QStringList driverValues_;
    QStringList deviceValues_;
    QList<int> bufferValues_;
    QList<int> rateValues_;
    QTimer testTimer_;
    bool testing_ = false;
};

} // namespace vorlo
