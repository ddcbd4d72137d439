#pragma once

#include "Division.h"
#include "FormDialog.h"

#include <array>

namespace vorlo {

class KeyRowWidget;
class OnScreenKeyboard;

// "On-screen keyboard": the Great, Swell and Pedal rows beside their names, and what the
// computer keys play. While the window has the focus the computer keys of OnScreenKeyboard play
// the Great; every other key works as in any window, so the console's hotkeys stay with the
// main window. Losing the focus or hiding the window lets go of every key it holds.
class OnScreenKeyboardWindow : public FormDialog {
    Q_OBJECT
public:
    OnScreenKeyboardWindow(Console& console, Form& form, QWidget* parent = nullptr);

    KeyRowWidget* row(DivisionId division) const { return rows_[static_cast<size_t>(division)]; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    OnScreenKeyboard& keyboard_;
    std::array<KeyRowWidget*, 3> rows_{};
};

} // namespace vorlo
