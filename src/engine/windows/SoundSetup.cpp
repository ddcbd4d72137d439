#include "SoundSetup.h"

#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "Dialogs.h"
#include "Division.h"
#include "InputDispatcher.h"
#include "MainWindowControls.h"
#include "MidiDevices.h"
#include "OrganTones.h"
#include "PanelState.h"
#include "ScreenMetrics.h"
#include "SettingsFile.h"
#include "SetupWindowControls.h"
#include "SoundWindowControls.h"

#include <QLocale>
#include <cmath>
#include <functional>
#include <utility>

namespace vorlo {
namespace {

const QString kAutomatic = QStringLiteral("Automatic");
const QString kDefaultDevice = QStringLiteral("Default");
const QString kSoundFontFilter = QStringLiteral("SoundFonts|*.sf2 *.sf3");

QString toneName(int variation, int program) {
    return QStringLiteral("bank %1 program %2").arg(variation).arg(program);
}

// The index of a value in a list of choices, the value added at its place when missing.
int placeOf(QList<int>& values, int value) {
    qsizetype at = values.indexOf(value);
    if (at < 0) {
        at = 0;
        while (at < values.size() && values[at] < value)
            ++at;
        values.insert(at, value);
    }
    return static_cast<int>(at);
}

} // namespace

SoundSetup::SoundSetup(const ConsoleState& state, PanelState& panel, Dialogs& dialogs,
                       ScreenMetrics& screen, SoundSystem* sound, MidiDevices& devices,
                       InputDispatcher& input)
    : state_(state), panel_(panel), dialogs_(dialogs), screen_(screen), sound_(sound),
      devices_(devices), input_(input) {
    using namespace ctl::sound;
    Control& menu = panel_.form(ctl::main::Window)(ctl::main::SetSound);
    menu.onClick = [this] { SetSound_Click(); };
    menu.setEnabled(sound_ != nullptr);
    control(DriverCombo).onClick = [this] { DriverCombo_Click(); };
    control(DeviceCombo).onClick = [this] { DeviceCombo_Click(); };
    control(DeviceText).onChange = [this] { DeviceText_Change(); };
    control(SoundFontBrowse).onClick = [this] { SoundFontBrowse_Click(); };
    control(SoundFontAutomatic).onClick = [this] { SoundFontAutomatic_Click(); };
    control(BufferCombo).onClick = [this] { BufferCombo_Click(); };
    control(RateCombo).onClick = [this] { RateCombo_Click(); };
    control(VolumeSlider).onScroll = [this] { VolumeSlider_Scroll(); };
    control(TestButton).onClick = [this] { TestButton_Click(); };
    control(ApplyButton).onClick = [this] { ApplyButton_Click(); };
    control(OkButton).onClick = [this] { OkButton_Click(); };
    control(CancelButton).onClick = [this] { CancelButton_Click(); };
    // The close box works like Cancel.
    window().onQueryUnload = [this] {
        CancelButton_Click();
        return false;
    };
    testTimer_.setSingleShot(true);
    testTimer_.setInterval(kTestChordMs);
    connect(&testTimer_, &QTimer::timeout, this, [this] { releaseTest(); });
}

Form& SoundSetup::window() {
    return panel_.form(ctl::sound::Window);
}

Control& SoundSetup::control(const ControlId& id) {
    return window()(id);
}

void SoundSetup::SetSound_Click() {
    if (!sound_)
        return;
    Form& w = window();
    if (w.isLoaded() && w.isVisible()) {
        w.bringToFront();
        return;
    }
    if (!w.isLoaded())
        Form_Load();
    applied_ = sound_->settings();
    edited_ = applied_;
    showSettings();
    w.bringToFront();
}

void SoundSetup::Form_Load() {
    Form& w = window();
    w.setLoaded(true);
    w.setPicture(state_.appFile(QStringLiteral("light.ico")));
    if (!std::isnan(w.width()) && !std::isnan(w.height())) {
        w.setLeft((screen_.screenWidthTwips() - w.width()) / 2);
        w.setTop((screen_.screenHeightTwips() - w.height()) / 2);
    }
}

void SoundSetup::fill(Control& list, const QStringList& items, int index) {
    std::function<void()> handler = std::move(list.onClick);
    list.onClick = nullptr;
    list.clearItems();
    for (const QString& item : items)
        list.addItem(item);
    list.setListIndex(index);
    list.onClick = std::move(handler);
}

void SoundSetup::showSettings() {
    showDrivers();
    showDevices();
    showSoundFont();
    bufferValues_ = QList<int>(std::begin(kBufferChoices), std::end(kBufferChoices));
    const int buffer = placeOf(bufferValues_, edited_.bufferFrames);
    QStringList buffers;
    for (int frames : bufferValues_)
        buffers << QStringLiteral("%1 frames").arg(frames);
    fill(control(ctl::sound::BufferCombo), buffers, buffer);
    rateValues_ = QList<int>(std::begin(kRateChoices), std::end(kRateChoices));
    const int rate = placeOf(rateValues_, static_cast<int>(std::lround(edited_.sampleRate)));
    QStringList rates;
    for (int hz : rateValues_)
        rates << QStringLiteral("%1 Hz").arg(hz);
    fill(control(ctl::sound::RateCombo), rates, rate);
    showLatency();
    control(ctl::sound::VolumeSlider).setValue(edited_.volumeDb);
    showVolume();
    showStatus();
}

void SoundSetup::showDrivers() {
    const QString playing = sound_->driverInUse();
    QStringList items;
    driverValues_ = QStringList{QString()};
    items << (playing.isEmpty() || !edited_.audioDriver.isEmpty()
                  ? kAutomatic
                  : QStringLiteral("%1 (now %2)").arg(kAutomatic, playing));
    QStringList drivers = sound_->audioDrivers();
    if (!edited_.audioDriver.isEmpty() && !drivers.contains(edited_.audioDriver))
        drivers << edited_.audioDriver;
    for (const QString& d : drivers) {
        driverValues_ << d;
        items << (d == playing ? QStringLiteral("%1 (playing)").arg(d) : d);
    }
    fill(control(ctl::sound::DriverCombo), items,
         static_cast<int>(driverValues_.indexOf(edited_.audioDriver)));
}

void SoundSetup::showDevices() {
    using namespace ctl::sound;
    Control& list = control(DeviceCombo);
    Control& text = control(DeviceText);
    const QStringList devices =
        edited_.audioDriver.isEmpty() ? QStringList() : sound_->audioDevices(edited_.audioDriver);
    const bool listed = !devices.isEmpty() || edited_.audioDriver.isEmpty();
    list.setVisible(listed);
    list.setEnabled(!edited_.audioDriver.isEmpty());
    text.setVisible(!listed);
    deviceValues_ = QStringList{QString()} + devices;
    if (!edited_.audioDevice.isEmpty() && !deviceValues_.contains(edited_.audioDevice))
        deviceValues_ << edited_.audioDevice;
    QStringList items = deviceValues_;
    items[0] = kDefaultDevice;
    fill(list, items, static_cast<int>(deviceValues_.indexOf(edited_.audioDevice)));
    std::function<void()> handler = std::move(text.onChange);
    text.onChange = nullptr;
    text.editText(edited_.audioDevice);
    text.onChange = std::move(handler);
}

void SoundSetup::showSoundFont() {
    Control& text = control(ctl::sound::SoundFontText);
    QString shown = edited_.soundFont;
    if (shown.isEmpty()) {
        const QString found = sound_->automaticSoundFont();
        shown = found.isEmpty() ? QStringLiteral("%1: none found").arg(kAutomatic)
                                : QStringLiteral("%1: %2").arg(kAutomatic, found);
    }
    // The box is read-only for the player; the program sets it.
    text.setReadOnly(false);
    text.editText(shown);
    text.setReadOnly(true);
    checkTones();
}

void SoundSetup::checkTones() {
    const QString path =
        edited_.soundFont.isEmpty() ? sound_->automaticSoundFont() : edited_.soundFont;
    QStringList lines;
    if (path.isEmpty()) {
        lines << QStringLiteral("No SoundFont: only the sine reinforcement sounds.");
        fill(control(ctl::sound::ToneCheck), lines, -1);
        return;
    }
    // Each tone once, with the stops that select it; the Sine Wave always comes from the
    // program's own SoundFont.
    QList<SoundSystem::Tone> tones;
    QList<QStringList> stops;
    for (const OrganTones::StopTone& t : OrganTones::ofStops(state_.Table)) {
        if (t.variation == OrganTones::kSineVariation && t.program == OrganTones::kSineProgram)
            continue;
        const SoundSystem::Tone tone{t.variation, t.program};
        qsizetype at = tones.indexOf(tone);
        if (at < 0) {
            at = tones.size();
            tones << tone;
            stops << QStringList();
        }
        const QString stop = QStringLiteral("%1 (%2)").arg(t.stop, t.division);
        if (!stops[at].contains(stop))
            stops[at] << stop;
    }
    const SoundSystem::SoundFontCheck check = sound_->checkSoundFont(path, tones);
    if (!check.loaded) {
        lines << QStringLiteral("The SoundFont cannot be used: %1").arg(check.error);
    } else if (tones.isEmpty()) {
        lines << QStringLiteral("The organ's stops select no tones.");
    } else {
        int own = 0;
        for (qsizetype i = 0; i < tones.size(); ++i) {
            const SoundSystem::ToneSource source =
                i < check.sources.size() ? check.sources[i] : SoundSystem::ToneSource::Missing;
            if (source == SoundSystem::ToneSource::Own) {
                ++own;
                continue;
            }
            const QString name = toneName(tones[i].variation, tones[i].program);
            const QString where = stops[i].join(QStringLiteral(", "));
            lines << (source == SoundSystem::ToneSource::Capital
                          ? QStringLiteral("Missing %1: its capital tone (%2) plays instead, in %3")
                                .arg(name, toneName(0, tones[i].program), where)
                          : QStringLiteral("Missing %1, with no capital tone: silent in %2")
                                .arg(name, where));
        }
        lines.prepend(own == tones.size()
                          ? QStringLiteral("All %1 tones the organ's stops select are in this "
                                           "SoundFont.")
                                .arg(tones.size())
                          : QStringLiteral("%1 of the %2 tones the organ's stops select are in "
                                           "this SoundFont:")
                                .arg(own)
                                .arg(tones.size()));
    }
    fill(control(ctl::sound::ToneCheck), lines, -1);
}

void SoundSetup::showLatency() {
    control(ctl::sound::LabelLatency)
        .setCaption(QStringLiteral("Latency %1 ms (%2 periods of %3 frames at %4 Hz)")
                        .arg(edited_.latencyMs(), 0, 'f', 1)
                        .arg(SoundSettings::kPeriods)
                        .arg(edited_.bufferFrames)
                        .arg(std::lround(edited_.sampleRate)));
}

void SoundSetup::showVolume() {
    const int db = edited_.volumeDb;
    control(ctl::sound::LabelVolumeValue)
        .setCaption(db == 0 ? QStringLiteral("0 dB (standard)")
                            : QStringLiteral("%1%2 dB").arg(db > 0 ? "+" : "").arg(db));
}

void SoundSetup::showStatus(const QString& failure) {
    QString text;
    if (!failure.isEmpty()) {
        text = QStringLiteral("The sound did not open: %1").arg(failure);
    } else if (!devices_.outputIsBuiltIn()) {
        text = QStringLiteral("The module output is not the built-in GS synthesizer: these "
                              "settings take effect when it is chosen in Midi Devices.");
    } else if (devices_.status(MidiPort::Output).presence != MidiDevices::Presence::Connected) {
        text = QStringLiteral("The built-in GS synthesizer is chosen but not playing.");
    } else {
        const QString driver = sound_->driverInUse();
        text = driver.isEmpty() ? QStringLiteral("The built-in GS synthesizer is playing.")
                                : QStringLiteral("Playing through %1.").arg(driver);
    }
    control(ctl::sound::LabelStatus).setCaption(text);
}

void SoundSetup::DriverCombo_Click() {
    const int i = control(ctl::sound::DriverCombo).listIndex();
    if (i < 0 || i >= driverValues_.size() || driverValues_[i] == edited_.audioDriver)
        return;
    edited_.audioDriver = driverValues_[i];
    // A device belongs to its driver.
    edited_.audioDevice.clear();
    showDevices();
}

void SoundSetup::DeviceCombo_Click() {
    const int i = control(ctl::sound::DeviceCombo).listIndex();
    if (i >= 0 && i < deviceValues_.size())
        edited_.audioDevice = deviceValues_[i];
}

void SoundSetup::DeviceText_Change() {
    edited_.audioDevice = control(ctl::sound::DeviceText).text().trimmed();
}

void SoundSetup::SoundFontBrowse_Click() {
    const std::optional<QString> path =
        dialogs_.openFileName(QStringLiteral("Choose a SoundFont"), kSoundFontFilter);
    if (!path || path->isEmpty())
        return;
    edited_.soundFont = *path;
    showSoundFont();
}

void SoundSetup::SoundFontAutomatic_Click() {
    edited_.soundFont.clear();
    showSoundFont();
}

void SoundSetup::BufferCombo_Click() {
    const int i = control(ctl::sound::BufferCombo).listIndex();
    if (i < 0 || i >= bufferValues_.size())
        return;
    edited_.bufferFrames = bufferValues_[i];
    showLatency();
}

void SoundSetup::RateCombo_Click() {
    const int i = control(ctl::sound::RateCombo).listIndex();
    if (i < 0 || i >= rateValues_.size())
        return;
    edited_.sampleRate = rateValues_[i];
    showLatency();
}

void SoundSetup::VolumeSlider_Scroll() {
    edited_.volumeDb = std::clamp(control(ctl::sound::VolumeSlider).value(),
                                  SoundSettings::kMinVolumeDb, SoundSettings::kMaxVolumeDb);
    showVolume();
}

void SoundSetup::TestButton_Click() {
    if (testing_)
        return;
    testing_ = true;
    for (int key : kTestChord)
        input_.screenNote(DivisionId::Great, key, kTestVelocity);
    testTimer_.start();
}

void SoundSetup::releaseTest() {
    testTimer_.stop();
    if (!std::exchange(testing_, false))
        return;
    for (int key : kTestChord)
        input_.screenNote(DivisionId::Great, key, 0);
    emit testFinished();
}

bool SoundSetup::ApplyButton_Click() {
    if (!sound_)
        return false;
    releaseTest();
    if (!(edited_ == applied_)) {
        SettingsFile settings(state_.AppDir);
        QString error;
        if (!edited_.write(settings, applied_, &error))
            dialogs_.message(QStringLiteral("The sound settings could not be saved in %1 (%2): "
                                            "they are used until the program ends.")
                                 .arg(settings.path(), error),
                             state_.ProgramTitle, Dialogs::Icon::Exclamation);
    }
    SoundSettings withoutVolume = edited_;
    withoutVolume.volumeDb = applied_.volumeDb;
    const bool soundChanged = !(withoutVolume == applied_);
    const QString note = sound_->apply(edited_);
    applied_ = edited_;
    // While the MIDI set-up is open its ports are closed: they open on the new sound with it.
    const Form& midiSetup = panel_.form(ctl::setup::Window);
    const bool setupOpen = midiSetup.isLoaded() && midiSetup.isVisible();
    const bool silent =
        devices_.status(MidiPort::Output).presence != MidiDevices::Presence::Connected;
    if (devices_.outputIsBuiltIn() && !setupOpen && (soundChanged || silent)) {
        QString why;
        if (!devices_.reopenOutput(&why)) {
            showDrivers();
            showStatus(why.isEmpty() ? QStringLiteral("no reason given") : why);
            dialogs_.message(QStringLiteral("The built-in GS synthesizer cannot play with these "
                                            "settings:\n\n%1\n\nChoose others in the Sound "
                                            "window; the console goes on without sound until "
                                            "then.")
                                 .arg(why),
                             state_.ProgramTitle, Dialogs::Icon::Exclamation);
            return false;
        }
    }
    if (!note.isEmpty())
        dialogs_.message(note, state_.ProgramTitle, Dialogs::Icon::Information);
    showDrivers();
    showStatus();
    return true;
}

void SoundSetup::OkButton_Click() {
    if (ApplyButton_Click())
        closeWindow();
}

void SoundSetup::CancelButton_Click() {
    releaseTest();
    closeWindow();
}

void SoundSetup::closeWindow() {
    releaseTest();
    Form& w = window();
    w.setVisible(false);
    w.setLoaded(false);
}

} // namespace vorlo
