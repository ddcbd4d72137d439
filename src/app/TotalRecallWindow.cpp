#include "TotalRecallWindow.h"

#include "PanelLabel.h"
#include "TotalRecallWindowControls.h"

#include <QVBoxLayout>

namespace vorlo {

TotalRecallWindow::TotalRecallWindow(Console& console, Form& form, QWidget* parent)
    : FormDialog(console, form, false, parent) {
    using namespace ctl::totalrecall;
    auto* top = new QVBoxLayout(this);
    top->setSpacing(8);
    addProgramTitle(top, LabelNomeprog);
    if (auto* heading = bindAs<PanelLabel>(Label1)) {
        QFont f = heading->font();
        f.setBold(true);
        heading->setFont(f);
        heading->setWordWrap(true);
        heading->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        top->addWidget(heading);
    }
    if (auto* text = bindAs<PanelLabel>(Label2)) {
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        top->addWidget(text);
    }
    // The key map at its own size: its lettering is small.
    if (QWidget* keyMap = bind(Image1))
        top->addWidget(keyMap, 1, Qt::AlignHCenter);
}

} // namespace vorlo
