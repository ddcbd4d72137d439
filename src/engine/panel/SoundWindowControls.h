#pragma once

#include "ConsoleForms.h"
#include "ControlId.h"

// The controls of the Sound window (the built-in synthesizer's sound set-up), each named once
// with its kind, in the order the window declares them.
namespace vorlo::ctl::sound {

inline constexpr FormId Window{forms::Sound};

// The audio driver (the one playing marked) and the output device: a list where the driver
// has one, else the text box (empty = the driver's default).
inline constexpr ControlId LabelDriver{"LabelDriver", ControlKind::Label};
inline constexpr ControlId DriverCombo{"DriverCombo", ControlKind::ComboBox};
inline constexpr ControlId LabelDevice{"LabelDevice", ControlKind::Label};
inline constexpr ControlId DeviceCombo{"DeviceCombo", ControlKind::ComboBox};
inline constexpr ControlId DeviceText{"DeviceText", ControlKind::TextBox};
// The SoundFont: its path, the file picker, back to the automatic choice, and the check of the
// tones the organ's stops select.
inline constexpr ControlId LabelSoundFont{"LabelSoundFont", ControlKind::Label};
inline constexpr ControlId SoundFontText{"SoundFontText", ControlKind::TextBox};
inline constexpr ControlId SoundFontBrowse{"SoundFontBrowse", ControlKind::Button};
inline constexpr ControlId SoundFontAutomatic{"SoundFontAutomatic", ControlKind::Button};
inline constexpr ControlId ToneCheck{"ToneCheck", ControlKind::ListBox};
// The buffer (frames per period) with the latency it gives, the sample rate, the volume.
inline constexpr ControlId LabelBuffer{"LabelBuffer", ControlKind::Label};
inline constexpr ControlId BufferCombo{"BufferCombo", ControlKind::ComboBox};
inline constexpr ControlId LabelLatency{"LabelLatency", ControlKind::Label};
inline constexpr ControlId LabelRate{"LabelRate", ControlKind::Label};
inline constexpr ControlId RateCombo{"RateCombo", ControlKind::ComboBox};
inline constexpr ControlId LabelVolume{"LabelVolume", ControlKind::Label};
inline constexpr ControlId VolumeSlider{"VolumeSlider", ControlKind::Slider};
inline constexpr ControlId LabelVolumeValue{"LabelVolumeValue", ControlKind::Label};
// What plays now, and what went wrong when the sound could not open.
inline constexpr ControlId LabelStatus{"LabelStatus", ControlKind::Label};
inline constexpr ControlId TestButton{"TestButton", ControlKind::Button};
inline constexpr ControlId ApplyButton{"ApplyButton", ControlKind::Button};
inline constexpr ControlId OkButton{"OkButton", ControlKind::Button};
inline constexpr ControlId CancelButton{"CancelButton", ControlKind::Button};

} // namespace vorlo::ctl::sound
