#pragma once

#include "ConsoleForms.h"
#include "ControlId.h"

// The controls of the Record window, each named once with its kind, in the order the window
// declares them.
namespace vorlo::ctl::record {

inline constexpr FormId Window{forms::Record};

// What is recorded: the messages sent to the module, the built-in synthesizer's sound.
inline constexpr ControlId CheckMidiFile{"CheckMidiFile", ControlKind::CheckBox};
inline constexpr ControlId CheckAudio{"CheckAudio", ControlKind::CheckBox};
// The recording begins with the console's whole set-up, sent to the module again.
inline constexpr ControlId CheckSetUp{"CheckSetUp", ControlKind::CheckBox};
// Why the sound cannot be recorded now; empty when it can.
inline constexpr ControlId LabelAudioReason{"LabelAudioReason", ControlKind::Label};
// The files the next recording writes, and the button that names them.
inline constexpr ControlId LabelFileName{"LabelFileName", ControlKind::Label};
inline constexpr ControlId ButtonFileName{"ButtonFileName", ControlKind::Button};
// Start, or Stop while recording.
inline constexpr ControlId ButtonStart{"ButtonStart", ControlKind::Button};
// The time recorded so far.
inline constexpr ControlId LabelElapsed{"LabelElapsed", ControlKind::Label};
// What is being recorded, or what the last recording saved.
inline constexpr ControlId LabelStatus{"LabelStatus", ControlKind::Label};

} // namespace vorlo::ctl::record
