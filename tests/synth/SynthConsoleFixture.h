#pragma once

#include "BuiltInSynthOutput.h"
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

    void startWithSynth() {
        BuiltInSynthConfig c;
        c.soundFont = QStringLiteral(VORLO_TEST_SOUNDFONT);
        c.sineSoundFont = QStringLiteral(VORLO_SINE_SOUNDFONT);
        c.audioDriver = QLatin1String(BuiltInSynthOutput::kOffline);
        synthBackend = std::make_unique<SynthMidiBackend>(*midi, c);
        Console::Environment env;
        env.appDir = dir.path();
        env.backend = synthBackend.get();
        env.dialogs = &dialogs;
        env.screen = &screen;
        env.audioRecorder = &synthBackend->audioRecorder();
        console = std::make_unique<Console>(env);
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
