#include "PanelButton.h"

#include "Control.h"
#include "SystemColors.h"

#include <QApplication>

namespace vorlo {

PanelButton::PanelButton(Control& control, std::optional<TwipsConverter> converter, QWidget* parent)
    : QPushButton(parent), binding_(control, *this, converter) {
    setAutoDefault(false);
    connect(&control, &Control::changed, this, &PanelButton::refresh);
    connect(this, &QPushButton::clicked, this,
            [this] { binding_.run([](Control& c) { c.click(); }); });
    refresh();
}

void PanelButton::refresh() {
    Control* c = binding_.control();
    if (!c)
        return;
    if (text() != c->caption())
        setText(c->caption());
    QPalette pal;
    const QColor face = SystemColors::toQColor(c->backColor(), QApplication::palette());
    const QColor fore = SystemColors::toQColor(c->foreColor(), QApplication::palette());
    if (face.isValid()) {
        pal.setColor(QPalette::Button, face);
        // A face of the console's own colours gets a caption that reads on it.
        if (!fore.isValid() && face != QApplication::palette().color(QPalette::Button))
            pal.setColor(QPalette::ButtonText,
                         face.lightness() > 140 ? QColor(Qt::black) : QColor(Qt::white));
    }
    if (fore.isValid())
        pal.setColor(QPalette::ButtonText, fore);
    setPalette(pal);
    binding_.apply();
}

} // namespace vorlo
