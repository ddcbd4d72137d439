#pragma once

#include "ControlBinding.h"

#include <QPushButton>

namespace vorlo {

// A console command button: caption, colours (lit or unlit), tooltip; its clicks go to the
// control.
class PanelButton : public QPushButton {
    Q_OBJECT
public:
    PanelButton(Control& control, std::optional<TwipsConverter> converter,
                QWidget* parent = nullptr);

    Control* control() const { return binding_.control(); }
    QColor faceColor() const { return palette().color(QPalette::Button); }
    QColor textColor() const { return palette().color(QPalette::ButtonText); }

public slots:
    void refresh();

private:
    // On a button the console places: a caption too wide or too tall for the button in its
    // font is shown in a smaller size of it.
    void fitCaption();

    ControlBinding binding_;
    bool placed_;
};

} // namespace vorlo
