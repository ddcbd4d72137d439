#pragma once

#include "BuiltInSynthOutput.h"
#include "ConsoleEvents.h"
#include "OutputWithBuiltInSynth.h"
#include "SettingsFile.h"
#include "SynthMidiBackend.h"
#include "support/ConsoleFixture.h"

#include <QtGlobal>

namespace vorlo::test {

// A console whose output lists the virtual module and then the built-in synthesizer, which
// renders offline with the tests' SoundFont.
class SynthConsoleFixture : public ConsoleFixture {
protected:
    ~SynthConsoleFixture() override { console.reset(); }

    // The built-in synthesizer's settings the console starts with.
    static BuiltInSynthConfig offlineConfig() {
        BuiltInSynthConfig c;
        c.soundFont = QStringLiteral(VORLO_TEST_SOUNDFONT);
        c.sineSoundFont = QStringLiteral(VORLO_SINE_SOUNDFONT);
        c.audioDriver = QLatin1String(BuiltInSynthOutput::kOffline);
        return c;
    }
    // On the backend a test made, else on one with the offline settings (rendering only when
    // asked) or with the audio driver named.
    void startWithSynth(const QString& audioDriver = {}) {
        if (!synthBackend) {
            BuiltInSynthConfig c = offlineConfig();
            if (!audioDriver.isEmpty())
                c.audioDriver = audioDriver;
            synthBackend = std::make_unique<SynthMidiBackend>(*midi, c);
        }
        Console::Environment env;
        env.appDir = dir.path();
        env.backend = synthBackend.get();
        env.dialogs = &dialogs;
        env.screen = &screen;
        env.sound = sound;
        env.audioRecorder = &synthBackend->audioRecorder();
        console = std::make_unique<Console>(env);
        console->events().add(notices);
        console->Form_Load();
        settle();
        midi->clearLog();
    }
    OutputWithBuiltInSynth& output() {
        return *qobject_cast<OutputWithBuiltInSynth*>(&console->deviceOutput());
    }
    BuiltInSynthOutput& synth() { return *qobject_cast<BuiltInSynthOutput*>(&output().builtIn()); }
    SettingsFile settings() { return SettingsFile(dir.path()); }

    std::unique_ptr<SynthMidiBackend> synthBackend;
};

} // namespace vorlo::test
