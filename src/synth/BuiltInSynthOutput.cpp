#include "BuiltInSynthOutput.h"

#include "GsModule.h"
#include "MidiPortError.h"
#include "SynthCore.h"
#include "SynthRecorder.h"
#include "SynthWavRecorder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fluidsynth.h>

namespace vorlo {
namespace {

constexpr int kNoDeviceError = 1;
constexpr int kNoAudioError = 2;
constexpr int kNoSoundFontError = 3;

// Tried in this order when the settings name no driver.
const char* const kDrivers[] = {"pipewire", "pulseaudio", "jack", "alsa"};

// FluidSynth's error messages while a driver is tried, kept for the player's message.
void collectLog(int, const char* message, void* data) {
    auto* text = static_cast<QString*>(data);
    if (!text->isEmpty())
        text->append(QLatin1Char('\n'));
    text->append(QString::fromLocal8Bit(message));
}

// The audio driver's period: the synthesizer through its output stage. The driver hands
// zeroed buffers, left and right first.
int renderPeriod(void* core, int frames, int, float*[], int outputs, float* out[]) {
    if (outputs < 2)
        return FLUID_FAILED;
    static_cast<SynthCore*>(core)->render(out[0], out[1], frames);
    return FLUID_OK;
}

} // namespace

BuiltInSynthOutput::BuiltInSynthOutput(const BuiltInSynthConfig& config, QObject* parent)
    : MidiOutputPort(parent), config_(config) {}

BuiltInSynthOutput::~BuiltInSynthOutput() {
    // A recording of this output ends here, its file completed.
    if (wavRecorder_)
        wavRecorder_->detach(this);
    close();
    if (driver_)
        delete_fluid_audio_driver(driver_);
    recorder_.reset(); // renders up to now and completes the file
    module_.reset();
    core_.reset();
}

QString BuiltInSynthOutput::deviceName(int index) {
    if (index != 0)
        throw MidiPortError(kNoDeviceError, QStringLiteral("Invalid device ID"));
    if (!config_.recordPath.isEmpty())
        return QStringLiteral("%1 (recording to %2)")
            .arg(QLatin1String(kName), QFileInfo(config_.recordPath).fileName());
    return QStringLiteral("%1 (%2 frames, %3 ms)")
        .arg(QLatin1String(kName))
        .arg(config_.bufferFrames * BuiltInSynthConfig::kPeriods)
        .arg(config_.latencyMs(), 0, 'f', 1);
}

void BuiltInSynthOutput::selectDevice(int index) {
    if (index != 0)
        throw MidiPortError(kNoDeviceError, QStringLiteral("Invalid device ID"));
}

void BuiltInSynthOutput::ensureSynth() {
    if (core_)
        return;
    SynthCore::Options o;
    o.soundFont = config_.soundFont;
    o.sineSoundFont = config_.sineSoundFont;
    o.sampleRate = config_.sampleRate;
    core_ = std::make_unique<SynthCore>(o);
    core_->setVolume(SoundSettings::factorOfDb(config_.volumeDb));
    core_->setTap(wavRecorder_);
    // The SoundFont's measured tuning is kept in the program folder, beside vorlo2000.ini. It is
    // measured on a thread of its own; each preset's figures are taken in on this object's
    // thread, the one that sends the console's messages (a message still waiting when this
    // object goes is dropped with it).
    module_ = std::make_unique<GsModule>(
        *core_,
        QFileInfo(config_.sineSoundFont).dir().filePath(QStringLiteral("vorlo2000-tuning.txt")),
        [this] {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (module_)
                        module_->takeMeasuredTuning();
                },
                Qt::QueuedConnection);
        });
}

QString BuiltInSynthOutput::openDriver() {
    if (!config_.recordPath.isEmpty()) {
        // Rendered in real time by the program itself, at the exact period.
        recorder_ = std::make_unique<SynthRecorder>(*core_, config_.bufferFrames);
        if (!recorder_->open(config_.recordPath)) {
            const QString why = recorder_->errorString();
            recorder_.reset();
            return why;
        }
        recorder_->start();
        driverName_ = QStringLiteral("file");
        return {};
    }
    fluid_settings_t* s = core_->settings();
    fluid_settings_setint(s, "audio.period-size", config_.bufferFrames);
    fluid_settings_setint(s, "audio.periods", BuiltInSynthConfig::kPeriods);
    fluid_settings_setint(s, "audio.jack.autoconnect", 1);
    fluid_settings_setstr(s, "audio.jack.id", "vorlo2000");
    if (!config_.audioDriver.isEmpty()) {
        // The driver's own device, or its default (the setting's default value).
        const QByteArray key = deviceSetting(config_.audioDriver);
        if (!key.isEmpty()) {
            char* byDefault = nullptr;
            fluid_settings_getstr_default(s, key.constData(), &byDefault);
            const QByteArray device = config_.audioDevice.isEmpty()
                                          ? QByteArray(byDefault ? byDefault : "")
                                          : config_.audioDevice.toUtf8();
            fluid_settings_setstr(s, key.constData(), device.constData());
        }
    }
    QStringList tried;
    QString log;
    fluid_set_log_function(FLUID_ERR, collectLog, &log);
    fluid_set_log_function(FLUID_PANIC, collectLog, &log);
    QStringList drivers;
    if (!config_.audioDriver.isEmpty()) {
        drivers << config_.audioDriver;
    } else {
        for (const char* d : kDrivers)
            drivers << QString::fromLatin1(d);
    }
    for (const QString& d : drivers) {
        if (fluid_settings_setstr(s, "audio.driver", d.toLatin1().constData()) != FLUID_OK)
            continue; // not built into this FluidSynth
        tried << d;
        driver_ = new_fluid_audio_driver2(s, renderPeriod, core_.get());
        if (driver_) {
            driverName_ = d;
            break;
        }
    }
    fluid_set_log_function(FLUID_ERR, fluid_default_log_function, nullptr);
    fluid_set_log_function(FLUID_PANIC, fluid_default_log_function, nullptr);
    return tried.isEmpty() ? QStringLiteral("no audio driver of that name") : log;
}

QByteArray BuiltInSynthOutput::deviceSetting(const QString& driver) {
    if (driver.isEmpty())
        return {};
    fluid_settings_t* s = new_fluid_settings();
    QByteArray key = "audio." + driver.toLatin1() + ".device";
    if (driver == QLatin1String("jack"))
        key = "audio.jack.server";
    if (fluid_settings_get_type(s, key.constData()) != FLUID_STR_TYPE)
        key.clear();
    delete_fluid_settings(s);
    return key;
}

bool BuiltInSynthOutput::setConfig(const BuiltInSynthConfig& next) {
    const bool remake = next.soundFont != config_.soundFont ||
                        next.sineSoundFont != config_.sineSoundFont ||
                        next.sampleRate != config_.sampleRate;
    const QString recordPath = config_.recordPath;
    config_ = next;
    config_.recordPath = recordPath;
    if (core_) {
        core_->setVolume(SoundSettings::factorOfDb(config_.volumeDb));
        remake_ = remake_ || remake;
    }
    return !(remake_ && recorder_);
}

void BuiltInSynthOutput::open() {
    if (open_)
        return;
    // Only while closed, with no audio driver calling the synthesizer.
    if (remake_ && !recorder_ && !driver_) {
        module_.reset();
        core_.reset();
        remake_ = false;
    }
    ensureSynth();
    const bool offline = config_.audioDriver == QLatin1String(kOffline);
    const bool running = driver_ || recorder_ || offline;
    const QString why = running ? QString() : openDriver();
    if (!driver_ && !recorder_ && !offline) {
        const QString what = config_.recordPath.isEmpty()
                                 ? QStringLiteral("The built-in GS synthesizer found no working "
                                                  "audio output")
                                 : QStringLiteral("The built-in GS synthesizer cannot record to "
                                                  "\"%1\"")
                                       .arg(config_.recordPath);
        throw MidiPortError(kNoAudioError, QStringLiteral("%1 (%2).").arg(what, why.trimmed()));
    }
    if (!core_->hasSoundFont())
        emit error(
            kNoSoundFontError,
            QStringLiteral("The built-in GS synthesizer has no SoundFont (%1): only the sine "
                           "reinforcement will sound. Install the Debian package "
                           "fluid-soundfont-gm, or name a SoundFont as Synth/SoundFont in "
                           "vorlo2000.ini.")
                .arg(core_->soundFontError()));
    open_ = true;
}

void BuiltInSynthOutput::close() {
    if (!open_)
        return;
    open_ = false;
    module_->allSoundOff();
    if (config_.recordPath.isEmpty() && driver_) {
        delete_fluid_audio_driver(driver_);
        driver_ = nullptr;
        driverName_.clear();
    }
}

void BuiltInSynthOutput::sendShort(uint8_t status, uint8_t data1, uint8_t data2) {
    if (open_)
        module_->shortMessage(status, data1, data2);
}

void BuiltInSynthOutput::sendSysex(const QByteArray& bytes) {
    if (open_)
        module_->sysex(bytes);
}

void BuiltInSynthOutput::setAudioRecorder(SynthWavRecorder* recorder) {
    if (wavRecorder_)
        wavRecorder_->detach(this);
    wavRecorder_ = recorder;
    if (recorder)
        recorder->attach(this);
    if (core_)
        core_->setTap(recorder);
}

float BuiltInSynthOutput::takeOutputPeak() {
    return open_ && core_ ? core_->takePeak() : -1.0f;
}

} // namespace vorlo
