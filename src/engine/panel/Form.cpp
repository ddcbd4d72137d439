#include "Form.h"

#include <stdexcept>

namespace vorlo {

static QString controlKey(const QString& name, int index) {
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

Form::Form(const QString& name, QObject* parent) : Control(name, -1, parent) {
    setVisible(false);
}

Control& Form::add(const QString& name, int index) {
    const QString key = controlKey(name, index);
    if (controls_.contains(key))
        throw std::logic_error("control declared twice: " + key.toStdString());
    auto* c = new Control(name, index, this);
    controls_.insert(key, c);
    ordered_.append(c);
    return *c;
}

void Form::addArray(const QString& name, int first, int last) {
    for (int i = first; i <= last; ++i)
        add(name, i);
}

void Form::addOptionArray(const QString& name, int first, int last) {
    for (int i = first; i <= last; ++i) {
        Control& c = add(name, i);
        c.onOptionChosen = [this, name, first, last](Control* chosen) {
            for (int j = first; j <= last; ++j) {
                Control& other = (*this)(name, j);
                if (&other != chosen && other.value() != 0) {
                    other.setValue(0);
                }
            }
        };
    }
}

Control* Form::find(const QString& name, int index) const {
    return controls_.value(controlKey(name, index), nullptr);
}

Control& Form::operator()(const QString& name, int index) const {
    Control* c = find(name, index);
    if (!c)
        throw std::out_of_range("no control " + controlKey(name, index).toStdString() +
                                " on window " + this->name().toStdString());
    return *c;
}

void Form::setLoaded(bool v) {
    if (loaded_ == v)
        return;
    loaded_ = v;
    emit loadedChanged(v);
}

void Form::bringToFront() {
    setVisible(true);
    emit raiseRequested();
}

bool Form::requestClose() {
    if (onQueryUnload && onQueryUnload())
        return false;
    setVisible(false);
    return true;
}

} // namespace vorlo
