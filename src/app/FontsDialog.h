#pragma once

#include "FormDialog.h"

namespace vorlo {

// "Font setting": the installed fonts with a search box that previews the stop font, the size,
// bold and italic, Default, OK and Cancel.
class FontsDialog : public FormDialog {
    Q_OBJECT
public:
    FontsDialog(Console& console, Form& form, QWidget* parent = nullptr);
};

} // namespace vorlo
