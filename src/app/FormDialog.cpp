#include "FormDialog.h"

#include "PanelLabel.h"
#include <QBoxLayout>

#include "BoundWidgetFactory.h"
#include "ControlKinds.h"
#include "FormWindowBinding.h"
#include "core/Console.h"
#include "core/ScreenMetrics.h"
#include "panel/Form.h"

namespace vorlo {

void FormDialog::addProgramTitle(QBoxLayout* layout, double scale) {
    auto* title = bindAs<PanelLabel>(QStringLiteral("LabelNomeprog"));
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

QWidget* FormDialog::bind(const QString& name, int index) {
    Control* c = form_.find(name, index);
    if (!c)
        return nullptr;
    QWidget* w =
        BoundWidgetFactory::create(form_, *c, ControlKinds::kindOf(form_, *c), std::nullopt, this);
    if (w)
        widgets_.insert(controlKey(name, index), w);
    return w;
}

void FormDialog::reject() {
    // Escape works like the close box.
    form_.requestClose();
}

} // namespace vorlo
