#pragma once

#include "FormDialog.h"

namespace vorlo {

// The about window: the program title, the about picture, the text and OK.
class AboutDialog : public FormDialog {
    Q_OBJECT
public:
    AboutDialog(Console& console, Form& form, QWidget* parent = nullptr);
};

} // namespace vorlo
