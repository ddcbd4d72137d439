#pragma once

#include "ControlId.h"
#include "Form.h"

#include <QHash>
#include <QObject>

namespace vorlo {

// Every window of the console with its controls: the visible state the panel layer renders.
class PanelState : public QObject {
    Q_OBJECT
public:
    explicit PanelState(QObject* parent = nullptr);

    Form& addForm(const FormId& id);
    // Throws std::out_of_range for a window that was never declared.
    Form& form(const FormId& id) const;
    // By name, for what works on any window.
    Form& addForm(const QString& name);
    Form& form(const QString& name) const;
    QList<Form*> forms() const { return ordered_; }

private:
    QHash<QString, Form*> forms_;
    QList<Form*> ordered_;
};

} // namespace vorlo
