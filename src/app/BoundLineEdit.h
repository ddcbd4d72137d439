#pragma once

#include "ControlBinding.h"

#include <QLineEdit>

namespace vorlo {

// A text box: its text, font and colours from the control; typing edits the control's text,
// and the box reports clicks, double clicks and getting and losing the focus.
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
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void refreshColours();

    ControlBinding binding_;
    bool pressed_ = false;
};

} // namespace vorlo
