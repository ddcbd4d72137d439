#pragma once

#include <QString>

namespace vorlo {

class SettingsFile;

// How the built-in synthesizer is set up: from the settings file "vorlo2000.ini" (section
// "Synth") and the command line. Keys: SoundFont (path of an .sf2/.sf3), AudioDriver
// (pipewire, pulseaudio, jack, alsa …; empty = the first that works), BufferSize (frames per
// audio period, two periods), SampleRate.
struct BuiltInSynthConfig {
    static constexpr int kDefaultBufferFrames = 128;
    static constexpr int kPeriods = 2;
    static constexpr double kDefaultSampleRate = 48000.0;

    QString soundFont;     // empty: none found
    QString sineSoundFont; // the program folder's "vorlo2000-sine.sf2"
    QString audioDriver;   // empty: automatic
    int bufferFrames = kDefaultBufferFrames;
    double sampleRate = kDefaultSampleRate;
    QString recordPath; // non-empty: render to this WAV file instead of the audio device

    // What the player set, else the first General MIDI SoundFont found on the system.
    static BuiltInSynthConfig fromSettings(const SettingsFile& settings, const QString& appDir);
    // The SoundFonts looked for when the settings name none, in order.
    static QStringList soundFontCandidates(const QString& appDir);

    // Audio output latency of the buffers, in milliseconds.
    double latencyMs() const { return 1000.0 * kPeriods * bufferFrames / sampleRate; }
};

} // namespace vorlo
