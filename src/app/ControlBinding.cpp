#include "ControlBinding.h"

#include "Control.h"
#include "FontMapper.h"
#include "LearnMenu.h"

#include <QDebug>
#include <QVariant>
#include <QWidget>
#include <cmath>
#include <exception>

namespace vorlo {

ControlBinding::ControlBinding(Control& control, QWidget& widget,
                               std::optional<TwipsConverter> converter)
    : control_(&control), widget_(widget), converter_(converter) {
    nameWidget(widget, control);
    LearnMenu::attach(widget, control_);
}

void ControlBinding::nameWidget(QWidget& widget, const Control& control) {
    widget.setObjectName(control.name());
    if (control.index() >= 0)
        widget.setProperty("index", control.index());
}

QSize ControlBinding::controlSize() const {
    if (!control_ || !converter_)
        return {-1, -1};
    return {converter_->toPixels(control_->width()), converter_->toPixels(control_->height())};
}

void ControlBinding::apply(QSize natural) {
    if (!control_)
        return;
    const Control& c = *control_;
    widget_.setEnabled(c.isEnabled());
    if (widget_.toolTip() != c.toolTip())
        widget_.setToolTip(c.toolTip());
    if (c.hasFont())
        widget_.setFont(FontMapper::toQFont(c.font()));

    bool shown = c.isVisible();
    if (converter_) {
        // A control the layout has not placed yet stays out of sight.
        const bool placed = !std::isnan(c.left()) || !std::isnan(c.top()) ||
                            !std::isnan(c.width()) || !std::isnan(c.height());
        shown = shown && placed;
        if (placed) {
            const int x = std::isnan(c.left()) ? 0 : converter_->toPixels(c.left());
            const int y = std::isnan(c.top()) ? 0 : converter_->toPixels(c.top());
            QSize size = controlSize();
            if (!natural.isValid())
                natural = widget_.sizeHint();
            if (size.width() < 0)
                size.setWidth(std::max(natural.width(), 0));
            if (size.height() < 0)
                size.setHeight(std::max(natural.height(), 0));
            const QRect r(QPoint(x, y), size.expandedTo(QSize(0, 0)));
            if (widget_.geometry() != r)
                widget_.setGeometry(r);
        }
    }
    if (widget_.isHidden() == shown)
        widget_.setVisible(shown);
}

void ControlBinding::run(Control* control, const std::function<void(Control&)>& event) {
    if (!control)
        return;
    try {
        event(*control);
    } catch (const std::exception& e) {
        qWarning() << "vorlo2000:" << control->key() << "handler failed:" << e.what();
    } catch (...) {
        qWarning() << "vorlo2000:" << control->key() << "handler failed";
    }
}

} // namespace vorlo
