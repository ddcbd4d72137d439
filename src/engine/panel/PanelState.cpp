#include "PanelState.h"

#include <stdexcept>

namespace vorlo {

PanelState::PanelState(QObject* parent) : QObject(parent) {}

Form& PanelState::addForm(const FormId& id) {
    return addForm(QString::fromLatin1(id.name));
}

Form& PanelState::form(const FormId& id) const {
    return form(QString::fromLatin1(id.name));
}

Form& PanelState::addForm(const QString& name) {
    if (forms_.contains(name))
        throw std::logic_error("window declared twice: " + name.toStdString());
    auto* f = new Form(name, this);
    forms_.insert(name, f);
    ordered_.append(f);
    return *f;
}

Form& PanelState::form(const QString& name) const {
    Form* f = forms_.value(name, nullptr);
    if (!f)
        throw std::out_of_range("no window " + name.toStdString());
    return *f;
}

} // namespace vorlo
