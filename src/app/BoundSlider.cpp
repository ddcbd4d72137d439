#include "BoundSlider.h"

#include "panel/Control.h"

namespace vorlo {

BoundSlider::BoundSlider(Control& control, std::optional<TwipsConverter> converter, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), binding_(control, *this, converter),
      sync_(binding_, *this,
            [this] { setTickInterval(std::max(1, (maximum() - minimum()) / 10)); }) {
    setTickPosition(QSlider::TicksBelow);
    refresh();
}

void BoundSlider::refresh() {
    sync_.refresh();
}

} // namespace vorlo
