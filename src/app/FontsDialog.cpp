#include "FontsDialog.h"

#include "FontsWindowControls.h"
#include "PanelLabel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vorlo {

FontsDialog::FontsDialog(Console& console, Form& form, QWidget* parent)
    : FormDialog(console, form, false, parent) {
    using namespace ctl::fonts;
    auto* top = new QVBoxLayout(this);
    addProgramTitle(top, LabelNomeprog, 1.0);

    QWidget* frame = bind(Frame1);
    auto* grid = new QGridLayout;
    if (QWidget* search = bind(txtSearch)) {
        search->setMinimumHeight(36);
        grid->addWidget(search, 0, 0, 1, 3);
    }
    if (QWidget* list = bind(lstSearch)) {
        list->setMinimumSize(260, 200);
        grid->addWidget(list, 1, 0, 4, 1);
    }
    if (QWidget* size = bind(VScroll_fontSize)) {
        size->setMinimumHeight(60);
        grid->addWidget(size, 1, 1, 2, 1, Qt::AlignHCenter);
    }
    if (QWidget* sizeLabel = bind(Label_size))
        grid->addWidget(sizeLabel, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    if (QWidget* bold = bind(Check_bold))
        grid->addWidget(bold, 3, 1, 1, 2);
    if (QWidget* italic = bind(Check_corsivo))
        grid->addWidget(italic, 4, 1, 1, 2, Qt::AlignTop);
    grid->setColumnStretch(0, 1);
    if (frame)
        frame->setLayout(grid);
    else
        top->addLayout(grid);
    if (frame)
        top->addWidget(frame, 1);

    auto* buttons = new QHBoxLayout;
    if (QWidget* d = bind(Command_default))
        buttons->addWidget(d);
    buttons->addStretch(1);
    for (const ControlId& id : {Command_ok, Command_Cancel}) {
        if (QWidget* b = bind(id)) {
            b->setMinimumWidth(90);
            buttons->addWidget(b);
        }
    }
    top->addLayout(buttons);
}

} // namespace vorlo
