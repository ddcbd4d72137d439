#include "ThruWindow.h"

#include "PanelLabel.h"

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
    auto* top = new QVBoxLayout(this);
    addProgramTitle(top);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addLayout(modes(), 1);
    middle->addWidget(bodies(), 0, Qt::AlignVCenter);
    top->addLayout(middle, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const char* name : {"Command1", "Command2"}) {
        if (QWidget* b = bind(QString::fromLatin1(name))) {
            b->setMinimumWidth(90);
            buttons->addWidget(b);
        }
    }
    top->addLayout(buttons);
}

PanelLabel* ThruWindow::description(const char* name, int index) {
    auto* label = bindAs<PanelLabel>(QString::fromLatin1(name), index);
    if (!label)
        return nullptr;
    label->setWordWrap(true);
    label->setShowsBorder(true);
    label->setMargin(5);
    label->setMinimumWidth(kDescriptionWidth);
    return label;
}

QLayout* ThruWindow::modes() {
    // Each option sits over its description: "No Rechannelling " over Label3,
    // "Normal Rechannelling" over Label2(3), "Fixed Rechanneling" over Label1.
    const struct {
        const char* name;
        int index;
    } descriptions[] = {{"Label3", -1}, {"Label2", 3}, {"Label1", -1}};
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            column->addSpacing(8);
        if (QWidget* option = bind(QStringLiteral("Thru_choose"), i))
            column->addWidget(option);
        if (PanelLabel* text = description(descriptions[i].name, descriptions[i].index)) {
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
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("bodies"));
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(10);
    for (int k = 0; k < 3; ++k) {
        if (auto* body = bindAs<PanelLabel>(QStringLiteral("LabelBody"), k)) {
            QFont f = body->font();
            f.setBold(true);
            body->setFont(f);
            body->setWordWrap(false);
            body->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            grid->addWidget(body, k, 0);
        }
        if (auto* playOn = bindAs<PanelLabel>(QStringLiteral("LabelPlayOn"), k)) {
            playOn->setWordWrap(false);
            playOn->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            grid->addWidget(playOn, k, 1);
        }
        if (auto* field = bindAs<PanelLabel>(QStringLiteral("Custom_Thru_label"), k)) {
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
