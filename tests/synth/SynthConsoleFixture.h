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

    // The synthesizer renders only when asked, unless an audio driver is named.
    void startWithSynth(const QString& audioDriver = QLatin1String(BuiltInSynthOutput::kOffline)) {
        BuiltInSynthConfig c;
        c.soundFont = QStringLiteral(VORLO_TEST_SOUNDFONT);
        c.sineSoundFont = QStringLiteral(VORLO_SINE_SOUNDFONT);
        c.audioDriver = audioDriver;
        synthBackend = std::make_unique<SynthMidiBackend>(*midi, c);
        Console::Environment env;
        env.appDir = dir.path();
        env.backend = synthBackend.get();
        env.dialogs = &dialogs;
        env.screen = &screen;
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
