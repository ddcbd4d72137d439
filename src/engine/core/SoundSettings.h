#pragma once

#include <QString>

namespace vorlo {

class SettingsFile;

// The built-in synthesizer's sound set-up as the player chooses it, kept in "vorlo2000.ini"
// (section "Synth"): SoundFont (a path; empty = the first General MIDI SoundFont found),
// AudioDriver (empty = the first that works), AudioDevice (empty = the driver's default),
// BufferSize (frames per audio period; two periods), SampleRate (Hz) and Volume (dB against the
// standard level; 0 leaves the synthesizer exactly as loud as it always was). Values outside
// their ranges read as the nearest that is allowed, unreadable ones as the default.
struct SoundSettings {
    static constexpr int kDefaultBufferFrames = 128;
    static constexpr int kMinBufferFrames = 16;
    static constexpr int kMaxBufferFrames = 8192;
    static constexpr int kPeriods = 2;
    static constexpr double kDefaultSampleRate = 48000.0;
    static constexpr double kMinSampleRate = 22050.0;
    static constexpr double kMaxSampleRate = 192000.0;
    static constexpr int kMinVolumeDb = -24;
    static constexpr int kMaxVolumeDb = 12;

    static constexpr const char* kSoundFontKey = "Synth/SoundFont";
    static constexpr const char* kAudioDriverKey = "Synth/AudioDriver";
    static constexpr const char* kAudioDeviceKey = "Synth/AudioDevice";
    static constexpr const char* kBufferSizeKey = "Synth/BufferSize";
    static constexpr const char* kSampleRateKey = "Synth/SampleRate";
    static constexpr const char* kVolumeKey = "Synth/Volume";

    QString soundFont;
    QString audioDriver;
    QString audioDevice;
    int bufferFrames = kDefaultBufferFrames;
    double sampleRate = kDefaultSampleRate;
    int volumeDb = 0;

    static SoundSettings read(const SettingsFile& settings);
    // Writes the keys whose values differ from before (what was read); false (with the reason)
    // when the file could not be written: the keys written before the failure stay written,
    // the rest keep their old values.
    bool write(SettingsFile& settings, const SoundSettings& before, QString* error = nullptr) const;

    // The audio output's latency of the buffers, in milliseconds.
    double latencyMs() const { return 1000.0 * kPeriods * bufferFrames / sampleRate; }
    // The factor the volume multiplies the sound by (exactly 1 at 0 dB).
    double volumeFactor() const { return factorOfDb(volumeDb); }
    static double factorOfDb(int db);

    bool operator==(const SoundSettings&) const = default;
};

} // namespace vorlo
