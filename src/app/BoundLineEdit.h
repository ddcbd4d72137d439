#pragma once

#include "ControlBinding.h"

#include <QLineEdit>

namespace vorlo {

// A text box: its text and font from the control; typing edits the control's text, and the
// box reports getting and losing the focus.
class BoundLineEdit : public QLineEdit {
    Q_OBJECT
public:
    BoundLineEdit(Control& control, std::optional<TwipsConverter> converter,
                  QWidget* parent = nullptr);
    Control* control() const { return binding_.control(); }

public slots:
    void refresh();

protected:
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    ControlBinding binding_;
};

} // namespace vorlo
