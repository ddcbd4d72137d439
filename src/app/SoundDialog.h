#pragma once

#include "FormDialog.h"

namespace vorlo {

// "Sound": the built-in synthesizer's audio driver and output device, SoundFont with the check
// of the organ's tones, buffer with its latency, sample rate and master volume; Test, Apply,
// OK and Cancel.
class SoundDialog : public FormDialog {
    Q_OBJECT
public:
    SoundDialog(Console& console, Form& form, QWidget* parent = nullptr);
};

} // namespace vorlo
