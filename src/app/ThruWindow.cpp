#include "ThruWindow.h"

#include "PanelLabel.h"
#include "ThruWindowControls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vorlo {
namespace {

constexpr int kDescriptionWidth = 280;
constexpr int kIndent = 20;

} // namespace

ThruWindow::ThruWindow(Console& console, Form& form, QWidget* parent)
    : FormDialog(console, form, false, parent) {
    using namespace ctl::thru;
    auto* top = new QVBoxLayout(this);
    addProgramTitle(top, LabelNomeprog);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addLayout(modes(), 1);
    middle->addWidget(bodies(), 0, Qt::AlignVCenter);
    top->addLayout(middle, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const ControlId& id : {Command1, Command2}) {
        if (QWidget* b = bind(id)) {
            b->setMinimumWidth(90);
            buttons->addWidget(b);
        }
    }
    top->addLayout(buttons);
}

PanelLabel* ThruWindow::description(PanelLabel* label) {
    if (!label)
        return nullptr;
    label->setWordWrap(true);
    label->setShowsBorder(true);
    label->setMargin(5);
    label->setMinimumWidth(kDescriptionWidth);
    return label;
}

QLayout* ThruWindow::modes() {
    using namespace ctl::thru;
    // Each option sits over its description: "No Rechannelling " over Label3,
    // "Normal Rechannelling" over Label2(3), "Fixed Rechanneling" over Label1.
    const auto describe = [this](int option) {
        switch (option) {
        case 0:
            return description(bindAs<PanelLabel>(Label3));
        case 1:
            return description(bindAs<PanelLabel>(Label2, 3));
        default:
            return description(bindAs<PanelLabel>(Label1));
        }
    };
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            column->addSpacing(8);
        if (QWidget* option = bind(Thru_choose, i))
            column->addWidget(option);
        if (PanelLabel* text = describe(i)) {
            // Indented to the option's caption, under its round button.
            auto* row = new QHBoxLayout;
            row->addSpacing(kIndent);
            row->addWidget(text, 1);
            column->addLayout(row);
        }
    }
    column->addStretch(1);
    return column;
}

QGroupBox* ThruWindow::bodies() {
    using namespace ctl::thru;
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("bodies"));
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    for (int k = 0; k < 3; ++k) {
        if (auto* body = bindAs<PanelLabel>(LabelBody, k)) {
            QFont f = body->font();
            f.setBold(true);
            body->setFont(f);
            body->setWordWrap(false);
            body->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            grid->addWidget(body, k, 0);
        }
        if (auto* playOn = bindAs<PanelLabel>(LabelPlayOn, k)) {
            playOn->setWordWrap(false);
            playOn->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            grid->addWidget(playOn, k, 1);
        }
        if (auto* field = bindAs<PanelLabel>(Custom_Thru_label, k)) {
            // A field to click: the body whose channel the next key sets while learning.
            field->setWordWrap(false);
            field->setShowsBorder(true);
            field->setMargin(4);
            field->setAlignment(Qt::AlignCenter);
            field->setCursor(Qt::PointingHandCursor);
            field->setMinimumWidth(
                field->fontMetrics().horizontalAdvance(QStringLiteral("Not rechanneled ")) + 16);
            grid->addWidget(field, k, 2);
        }
    }
    return box;
}

} // namespace vorlo
