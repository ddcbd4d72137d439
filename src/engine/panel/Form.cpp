#include "Form.h"

#include <stdexcept>

namespace vorlo {

static QString controlKey(const QString& name, int index) {
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

Form::Form(const QString& name, QObject* parent) : Control(name, -1, parent) {
    setVisible(false);
}

Control& Form::declare(const QString& name, int index, ControlKind kind) {
    const QString key = controlKey(name, index);
    if (controls_.contains(key))
        throw std::logic_error("control declared twice: " + key.toStdString());
    auto* c = new Control(name, index, kind, this);
    controls_.insert(key, c);
    ordered_.append(c);
    return *c;
}

Control& Form::add(const ControlId& id) {
    return declare(QString::fromLatin1(id.name), -1, id.kind);
}

Control& Form::add(const ControlArrayId& id, int index) {
    if (!id.contains(index))
        throw std::logic_error("control " +
                               controlKey(QString::fromLatin1(id.name), index).toStdString() +
                               " lies outside its array");
    return declare(QString::fromLatin1(id.name), index, id.kind);
}

void Form::addArray(const ControlArrayId& id) {
    for (int i = id.first; i <= id.last; ++i)
        add(id, i);
}

void Form::addOptionArray(const ControlArrayId& id) {
    addArray(id);
    makeOptionArray(QString::fromLatin1(id.name), id.first, id.last);
}

Control& Form::add(const QString& name, int index) {
    return declare(name, index, ControlKind::Label);
}

void Form::addOptionArray(const QString& name, int first, int last) {
    for (int i = first; i <= last; ++i)
        declare(name, i, ControlKind::OptionButton);
    makeOptionArray(name, first, last);
}

void Form::makeOptionArray(const QString& name, int first, int last) {
    for (int i = first; i <= last; ++i) {
        (*this)(name, i).onOptionChosen = [this, name, first, last](Control* chosen) {
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

Control& Form::operator()(const ControlId& id) const {
    return (*this)(QString::fromLatin1(id.name));
}

Control& Form::operator()(const ControlArrayId& id, int index) const {
    return (*this)(QString::fromLatin1(id.name), index);
}

Control& Form::operator()(const ControlRef& ref) const {
    return (*this)(QString::fromLatin1(ref.name), ref.index);
}

Control* Form::find(const ControlId& id) const {
    return find(QString::fromLatin1(id.name));
}

Control* Form::find(const ControlArrayId& id, int index) const {
    return find(QString::fromLatin1(id.name), index);
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
