#pragma once

#include "FormDialog.h"

namespace vorlo {

// "Record": what to record (the MIDI file, the built-in synthesizer's sound, and why the sound
// cannot be recorded when it cannot), the files' name and the button that changes it, the time
// recorded in large figures beside Start/Stop, and what the recording holds or saved. Its
// controls are Recording's; closing the window leaves a recording running.
class RecordWindow : public FormDialog {
    Q_OBJECT
public:
    RecordWindow(Console& console, Form& form, QWidget* parent = nullptr);
};

} // namespace vorlo
