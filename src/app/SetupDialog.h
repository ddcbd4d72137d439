#pragma once

#include "FormDialog.h"

namespace vorlo {

// "Set up MIDI DEVICES": the output and the two input devices, the eight input filters, the
// two sending delays, OK and CANCEL. Its close box works like CANCEL.
class SetupDialog : public FormDialog {
    Q_OBJECT
public:
    SetupDialog(Console& console, Form& form, QWidget* parent = nullptr);
};

} // namespace vorlo
