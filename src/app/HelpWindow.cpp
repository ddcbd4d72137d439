#include "HelpWindow.h"

#include "ControlBinding.h"
#include "Form.h"
#include "HelpWindowControls.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vorlo {

HelpWindow::HelpWindow(Console& console, Form& form, QWidget* parent)
    : FormDialog(console, form, true, parent), browser_(new QTextBrowser(this)) {
    using namespace ctl::help;
    setSizeGripEnabled(true);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    if (Control* c = form.find(HelpBrowser)) {
        ControlBinding::nameWidget(*browser_, *c);
        connect(c, &Control::changed, this, &HelpWindow::showFile);
    }
    showFile();
}

void HelpWindow::showFile() {
    using namespace ctl::help;
    const Control* c = form().find(HelpBrowser);
    if (!c || c->caption() == shownFile_)
        return;
    shownFile_ = c->caption();
    if (QFileInfo(shownFile_).isFile())
        browser_->setSource(QUrl::fromLocalFile(shownFile_));
    else
        browser_->clear();
}

} // namespace vorlo
