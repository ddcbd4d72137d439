#pragma once

#include "FormDialog.h"

class QGroupBox;

namespace vorlo {

class PanelLabel;

// "Thru Mode": the three ways of mapping the keyboards' channels, each with its description
// lit while it is in force; beside them the three bodies with the channels they play on and
// the fields that learn a keyboard's channel; OK and CANCEL. The close box works like CANCEL.
class ThruWindow : public FormDialog {
    Q_OBJECT
public:
    ThruWindow(Console& console, Form& form, QWidget* parent = nullptr);

private:
    QLayout* modes();
    QGroupBox* bodies();
    // Styles the label of a mode's description; null stays null.
    PanelLabel* description(PanelLabel* label);
};

} // namespace vorlo
