#include "BoundScrollBar.h"

#include "panel/Control.h"

namespace vorlo {

BoundScrollBar::BoundScrollBar(Control& control, std::optional<TwipsConverter> converter,
                               QWidget* parent)
    : QScrollBar(Qt::Vertical, parent), binding_(control, *this, converter),
      sync_(binding_, *this) {
    setInvertedAppearance(true);
    setInvertedControls(true);
    refresh();
}

void BoundScrollBar::refresh() {
    sync_.refresh();
}

} // namespace vorlo
