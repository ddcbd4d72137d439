#pragma once

#include <QString>

namespace vorlo {

// Where the player mends something: a window the console opens on request.
enum class SetupPage {
    None,             // nothing to open: reading the explanation is all there is to do
    MidiDevices,      // the MIDI devices set-up
    Sound,            // the built-in synthesizer's sound set-up
    OnScreenKeyboard, // the on-screen keyboard, to play without a MIDI keyboard
};

// One thing that keeps the console from playing as the player expects, told in plain words:
// what it concerns, what happened (with the system's own reason), what to do about it, and the
// window where that is done.
struct StartupProblem {
    QString subject; // "MIDI system", "Keyboards", "Module", "Built-in synthesizer" ...
    QString text;    // what happened, with its reason
    QString advice;  // what the player can do
    SetupPage page = SetupPage::None;
};

} // namespace vorlo
