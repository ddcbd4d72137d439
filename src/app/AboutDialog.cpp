#include "AboutDialog.h"

#include "AboutWindowControls.h"
#include "PanelLabel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vorlo {

AboutDialog::AboutDialog(Console& console, Form& form, QWidget* parent)
    : FormDialog(console, form, true, parent) {
    using namespace ctl::about;
    auto* top = new QVBoxLayout(this);
    addProgramTitle(top, LabelNomeprog, 1.6);
    if (QWidget* picture = bind(Image1))
        top->addWidget(picture, 0, Qt::AlignHCenter);
    if (auto* text = bindAs<PanelLabel>(Label1)) {
        text->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        top->addWidget(text);
    }
    top->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    if (QWidget* ok = bind(Command1)) {
        ok->setMinimumWidth(90);
        buttons->addWidget(ok);
    }
    buttons->addStretch(1);
    top->addLayout(buttons);
}

} // namespace vorlo
