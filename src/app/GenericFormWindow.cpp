#include "GenericFormWindow.h"

#include "BoundWidgetFactory.h"
#include "Console.h"
#include "Form.h"
#include "FormWindowBinding.h"
#include "ScreenMetrics.h"

#include <QGridLayout>
#include <QLabel>
#include <cmath>

namespace vorlo {
namespace {

bool placedByConsole(const Control& c) {
    return !std::isnan(c.left()) && !std::isnan(c.top());
}

} // namespace

GenericFormWindow::GenericFormWindow(Console& console, Form& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form) {
    const TwipsConverter converter(console.screen().twipsPerPixel());
    bool absolute = false;
    for (const Control* c : form.controls())
        absolute = absolute || placedByConsole(*c);

    if (absolute) {
        for (Control* c : form.controls()) {
            const ControlKind kind = c->kind();
            if (QWidget* w = BoundWidgetFactory::create(form, *c, kind, converter, this))
                widgets_.insert(c->key(), w);
        }
        new FormWindowBinding(form, *this, converter, true);
        return;
    }

    auto* grid = new QGridLayout(this);
    constexpr int kColumns = 4;
    // Long texts take a row of their own.
    constexpr int kLongCaption = 30;
    int row = 0, column = 0;
    for (Control* c : form.controls()) {
        const ControlKind kind = c->kind();
        QWidget* w = BoundWidgetFactory::create(form, *c, kind, std::nullopt, this);
        if (!w)
            continue;
        widgets_.insert(c->key(), w);
        if (kind == ControlKind::Label && c->caption().size() > kLongCaption) {
            if (column > 0) {
                ++row;
                column = 0;
            }
            // On one line: a wrapped label in a grid does not get the height it needs.
            if (auto* label = qobject_cast<QLabel*>(w))
                label->setWordWrap(false);
            grid->addWidget(w, row++, 0, 1, kColumns);
            continue;
        }
        grid->addWidget(w, row, column);
        if (++column == kColumns) {
            ++row;
            column = 0;
        }
    }
    setMinimumWidth(480);
    new FormWindowBinding(form, *this, converter, false);
}

QWidget* GenericFormWindow::controlWidget(const QString& name, int index) const {
    return widgets_.value(index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index));
}

} // namespace vorlo
