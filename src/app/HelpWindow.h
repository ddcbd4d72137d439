#pragma once

#include "FormDialog.h"

class QTextBrowser;

namespace vorlo {

// The help window: shows the program's HTML help file, with its links.
class HelpWindow : public FormDialog {
    Q_OBJECT
public:
    HelpWindow(Console& console, Form& form, QWidget* parent = nullptr);
    QTextBrowser* browser() const { return browser_; }

private:
    void showFile();

    QTextBrowser* browser_;
    QString shownFile_;
};

} // namespace vorlo
