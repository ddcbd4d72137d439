#pragma once

#include "ControlId.h"

#include <QDialog>
#include <QHash>

class QBoxLayout;

namespace vorlo {

class Console;
class Form;
class FormWindowBinding;

// Base of the console's dialog windows: their controls are made from the console window's
// controls and arranged by Qt layouts. Escape and the close box ask the console to close the
// window, as its close box would.
class FormDialog : public QDialog {
    Q_OBJECT
public:
    // sizeFromForm: the window takes its size from the console window instead of its layout.
    FormDialog(Console& console, Form& form, bool sizeFromForm = false, QWidget* parent = nullptr);

    Form& form() const { return form_; }
    QWidget* controlWidget(const QString& name, int index = -1) const;
    template <typename T> T* control(const QString& name, int index = -1) const {
        return dynamic_cast<T*>(controlWidget(name, index));
    }

public slots:
    void reject() override;

protected:
    // Makes the widget of a control of this window; null when the window has no such control.
    QWidget* bind(const ControlId& id);
    QWidget* bind(const ControlArrayId& id, int index);
    template <typename T> T* bindAs(const ControlId& id) { return dynamic_cast<T*>(bind(id)); }
    template <typename T> T* bindAs(const ControlArrayId& id, int index) {
        return dynamic_cast<T*>(bind(id, index));
    }
    // The program title (the window's LabelNomeprog) in bold, centred on one line at the top of
    // the layout, its font scaled by the given factor.
    void addProgramTitle(QBoxLayout* layout, const ControlId& id, double scale = 1.3);

    Console& console_;
    Form& form_;
    FormWindowBinding* binding_;

private:
    QWidget* bindControl(const QString& name, int index);

    QHash<QString, QWidget*> widgets_;
};

} // namespace vorlo
