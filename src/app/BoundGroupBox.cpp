#include "BoundGroupBox.h"

#include "SystemColors.h"
#include "panel/Control.h"

#include <QApplication>

namespace vorlo {

BoundGroupBox::BoundGroupBox(Control& control, std::optional<TwipsConverter> converter,
                             QWidget* parent)
    : QGroupBox(parent), binding_(control, *this, converter) {
    connect(&control, &Control::changed, this, &BoundGroupBox::refresh);
    refresh();
}

void BoundGroupBox::refresh() {
    Control* c = binding_.control();
    if (!c)
        return;
    if (title() != c->caption())
        setTitle(c->caption());
    const QColor back = SystemColors::toQColor(c->backColor(), QApplication::palette());
    QPalette pal;
    if (back.isValid() && !c->isTransparent())
        pal.setColor(QPalette::Window, back);
    setPalette(pal);
    setAutoFillBackground(back.isValid() && !c->isTransparent());
    binding_.apply();
}

} // namespace vorlo
