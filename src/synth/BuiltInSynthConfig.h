#pragma once

#include "SoundSettings.h"

#include <QString>

namespace vorlo {

class SettingsFile;

// How the built-in synthesizer is set up: from the settings file "vorlo2000.ini" (section
// "Synth") and the command line. Keys: SoundFont (path of an .sf2/.sf3), AudioDriver
// (pipewire, pulseaudio, jack, alsa …; empty = the first that works), AudioDevice (the driver's
// device; empty = its default), BufferSize (frames per audio period, two periods), SampleRate,
// Volume (dB against the standard level). SoundSettings reads them.
struct BuiltInSynthConfig {
    static constexpr int kDefaultBufferFrames = SoundSettings::kDefaultBufferFrames;
    static constexpr int kPeriods = SoundSettings::kPeriods;
    static constexpr double kDefaultSampleRate = SoundSettings::kDefaultSampleRate;

    QString soundFont;     // empty: none found
    QString sineSoundFont; // the program folder's "vorlo2000-sine.sf2"
    QString audioDriver;   // empty: automatic
    QString audioDevice;   // empty: the driver's default
    int bufferFrames = kDefaultBufferFrames;
    double sampleRate = kDefaultSampleRate;
    int volumeDb = 0;   // 0: the synthesizer's standard level, exactly
    QString recordPath; // non-empty: render to this WAV file instead of the audio device

    // What the player set, else the first General MIDI SoundFont found on the system.
    static BuiltInSynthConfig fromSettings(const SettingsFile& settings, const QString& appDir);
    static BuiltInSynthConfig fromSoundSettings(const SoundSettings& sound, const QString& appDir);
    // The SoundFont the automatic choice takes: the first of the candidates that can be read.
    static QString automaticSoundFont(const QString& appDir);
    // The SoundFonts looked for when the settings name none, in order.
    static QStringList soundFontCandidates(const QString& appDir);

    // Audio output latency of the buffers, in milliseconds.
    double latencyMs() const { return 1000.0 * kPeriods * bufferFrames / sampleRate; }
};

} // namespace vorlo
