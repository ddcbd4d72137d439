#include "Control.h"

namespace vorlo {

Control::Control(const QString& name, int index, QObject* parent)
    : QObject(parent), name_(name), index_(index) {
    setObjectName(key());
}

Control::Control(const QString& name, int index, ControlKind kind, QObject* parent)
    : Control(name, index, parent) {
    kind_ = kind;
}

QString Control::key() const {
    return index_ < 0 ? name_ : QStringLiteral("%1(%2)").arg(name_).arg(index_);
}

template <typename T> void Control::assign(T& field, const T& v) {
    if (field == v)
        return;
    field = v;
    emit changed();
}

void Control::setCaption(const QString& v) {
    assign(caption_, v);
}
void Control::setToolTip(const QString& v) {
    assign(toolTip_, v);
}
void Control::setBackColor(uint32_t v) {
    assign(backColor_, v);
}
void Control::setForeColor(uint32_t v) {
    assign(foreColor_, v);
}
void Control::setPicture(const QString& v) {
    assign(picture_, v);
}
void Control::setVisible(bool v) {
    assign(visible_, v);
}
void Control::setEnabled(bool v) {
    assign(enabled_, v);
}
void Control::setReadOnly(bool v) {
    assign(readOnly_, v);
}
void Control::setTransparent(bool v) {
    assign(transparent_, v);
}
void Control::setBorder(bool v) {
    assign(border_, v);
}
void Control::setAlignment(Qt::Alignment v) {
    assign(alignment_, v);
}
void Control::setChecked(bool v) {
    assign(checked_, v);
}

static bool sameNumber(double a, double b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

void Control::setLeft(double v) {
    if (!sameNumber(left_, v)) {
        left_ = v;
        emit changed();
    }
}
void Control::setTop(double v) {
    if (!sameNumber(top_, v)) {
        top_ = v;
        emit changed();
    }
}
void Control::setWidth(double v) {
    if (!sameNumber(width_, v)) {
        width_ = v;
        emit changed();
    }
}
void Control::setHeight(double v) {
    if (!sameNumber(height_, v)) {
        height_ = v;
        emit changed();
    }
}

void Control::setGeometry(double left, double top, double width, double height) {
    const bool same = sameNumber(left_, left) && sameNumber(top_, top) &&
                      sameNumber(width_, width) && sameNumber(height_, height);
    if (same)
        return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    emit changed();
}

void Control::setFont(const FontStyle& f) {
    if (hasFont_ && font_ == f)
        return;
    hasFont_ = true;
    font_ = f;
    emit changed();
}

void Control::setRange(int minimum, int maximum, int smallChange, int largeChange) {
    minimum_ = minimum;
    maximum_ = maximum;
    smallChange_ = smallChange;
    largeChange_ = largeChange;
    emit changed();
}

void Control::setValue(int v) {
    if (maximum_ > minimum_)
        v = std::clamp(v, minimum_, maximum_);
    assign(value_, v);
}

void Control::clearItems() {
    if (items_.isEmpty() && value_ == -1)
        return;
    items_.clear();
    value_ = -1;
    emit changed();
}

void Control::addItem(const QString& item) {
    items_.append(item);
    emit changed();
}

void Control::setListIndex(int i) {
    if (i == value_)
        return;
    value_ = i;
    emit changed();
    if (onClick)
        onClick();
}

void Control::setCheckValue(int v) {
    if (v == value_)
        return;
    value_ = v;
    emit changed();
    if (onClick)
        onClick();
}

void Control::selectOption() {
    if (value_ == 1)
        return;
    value_ = 1;
    if (onOptionChosen)
        onOptionChosen(this);
    emit changed();
    if (onClick)
        onClick();
}

void Control::click() {
    if (onClick)
        onClick();
}

void Control::dblClick() {
    if (onDblClick)
        onDblClick();
}

void Control::scroll(int v) {
    setValue(v);
    if (onScroll)
        onScroll();
}

void Control::chooseListIndex(int i) {
    if (i != value_) {
        value_ = i;
        emit changed();
    }
    if (onClick)
        onClick();
}

void Control::toggleCheck(bool ticked) {
    const int v = ticked ? 1 : 0;
    if (v != value_) {
        value_ = v;
        emit changed();
    }
    if (onClick)
        onClick();
}

void Control::editText(const QString& text) {
    if (readOnly_ || text == caption_)
        return;
    caption_ = text;
    emit changed();
    if (onChange)
        onChange();
}

void Control::gotFocus() {
    if (onGotFocus)
        onGotFocus();
}

void Control::lostFocus() {
    if (onLostFocus)
        onLostFocus();
}

} // namespace vorlo
