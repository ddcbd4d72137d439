#include "FormDialog.h"

#include "PanelLabel.h"
#include <QBoxLayout>

#include "BoundWidgetFactory.h"
#include "Console.h"
#include "Form.h"
#include "FormWindowBinding.h"
#include "ScreenMetrics.h"

namespace vorlo {

void FormDialog::addProgramTitle(QBoxLayout* layout, const ControlId& id, double scale) {
    auto* title = bindAs<PanelLabel>(id);
    if (!title)
        return;
    QFont f = title->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * scale);
    title->setFont(f);
    title->setWordWrap(false);
    title->setAlignment(Qt::AlignHCenter);
    layout->addWidget(title);
}
namespace {

QString controlKey(const QString& name, int index) {
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

} // namespace

FormDialog::FormDialog(Console& console, Form& form, bool sizeFromForm, QWidget* parent)
    : QDialog(parent), console_(console), form_(form),
      binding_(new FormWindowBinding(form, *this, TwipsConverter(console.screen().twipsPerPixel()),
                                     sizeFromForm)) {
    setModal(form.isModal());
}

QWidget* FormDialog::controlWidget(const QString& name, int index) const {
    return widgets_.value(controlKey(name, index));
}

QWidget* FormDialog::bind(const ControlId& id) {
    return bindControl(QString::fromLatin1(id.name), -1);
}

QWidget* FormDialog::bind(const ControlArrayId& id, int index) {
    return bindControl(QString::fromLatin1(id.name), index);
}

QWidget* FormDialog::bindControl(const QString& name, int index) {
    Control* c = form_.find(name, index);
    if (!c)
        return nullptr;
    QWidget* w = BoundWidgetFactory::create(form_, *c, c->kind(), std::nullopt, this);
    if (w)
        widgets_.insert(controlKey(name, index), w);
    return w;
}

void FormDialog::reject() {
    // Escape works like the close box.
    form_.requestClose();
}

} // namespace vorlo
