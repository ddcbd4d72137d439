#pragma once

#include "BuiltInSynthConfig.h"
#include "MidiOutputPort.h"

#include <memory>

typedef struct _fluid_audio_driver_t fluid_audio_driver_t;

namespace vorlo {

class GsModule;
class SynthCore;
class SynthRecorder;
class SynthWavRecorder;

// The built-in synthesizer as an output device of its own: the GS layer on FluidSynth, rendered
// through its output stage (gain and safety limiter) into FluidSynth's audio driver, or into a
// WAV file in real time when recording. The SoundFont is loaded at the first opening and kept;
// closing stops every sound and the audio (a recording goes on, silent, until the program
// ends, so that reopening does not overwrite it).
class BuiltInSynthOutput : public MidiOutputPort {
    Q_OBJECT
public:
    static constexpr const char* kName = "Built-in GS synthesizer";

    explicit BuiltInSynthOutput(const BuiltInSynthConfig& config, QObject* parent = nullptr);
    ~BuiltInSynthOutput() override;

    int deviceCount() override { return 1; }
    // The name with what the player may want to know: the audio buffer and its latency, or
    // the file being recorded.
    QString deviceName(int index) override;
    void selectDevice(int index) override;
    // Throws MidiPortError when no audio driver (or the recording file) can be opened. A
    // missing SoundFont is told through error(): the port opens and only the sine sounds.
    void open() override;
    void close() override;
    bool isOpen() const override { return open_; }
    void sendShort(uint8_t status, uint8_t data1, uint8_t data2) override;
    void sendSysex(const QByteArray& bytes) override;
    bool selectedDeviceHasWire() const override { return false; }
    // What the synthesizer played since the last look, while it is open.
    float takeOutputPeak() override;

    // Audio driver name for a synthesizer that renders only when its owner asks (tests,
    // benchmarks): synthCore()->render().
    static constexpr const char* kOffline = "none";
    // The synthesizer, once the port was first opened.
    SynthCore* synthCore() { return core_.get(); }
    GsModule* module() { return module_.get(); }

    // The audio driver in use ("pulseaudio", "file" …), empty while closed.
    QString audioDriver() const { return driverName_; }
    const BuiltInSynthConfig& config() const { return config_; }
    // New settings: the volume changes at once, the rest at the next opening (a SoundFont or
    // sample rate of their own make the synthesizer anew then). The recording file stays.
    // Returns false when a recording holds the synthesizer: its SoundFont and sample rate then
    // change only at the program's next start.
    bool setConfig(const BuiltInSynthConfig& config);
    // The FluidSynth setting that names a driver's output device ("audio.alsa.device"; the
    // server for JACK); empty when the driver has none.
    static QByteArray deviceSetting(const QString& driver);
    // Records what this output plays to a WAV file on request (File > Record); it must outlive
    // this output.
    void setAudioRecorder(SynthWavRecorder* recorder);

private:
    void ensureSynth();
    QString openDriver();

    BuiltInSynthConfig config_;
    std::unique_ptr<SynthCore> core_;
    std::unique_ptr<GsModule> module_;
    std::unique_ptr<SynthRecorder> recorder_;
    fluid_audio_driver_t* driver_ = nullptr;
    QString driverName_;
    bool open_ = false;
    // The SoundFont or sample rate changed: the synthesizer is made anew at the next opening.
    bool remake_ = false;
    SynthWavRecorder* wavRecorder_ = nullptr;
};

} // namespace vorlo
