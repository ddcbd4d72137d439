#pragma once

#include "FormDialog.h"

namespace vorlo {

// "Total Recall Display": how to work the console from the keyboards, with the picture of the
// key map. Modeless; closing it only hides it.
class TotalRecallWindow : public FormDialog {
    Q_OBJECT
public:
    TotalRecallWindow(Console& console, Form& form, QWidget* parent = nullptr);
};

} // namespace vorlo
