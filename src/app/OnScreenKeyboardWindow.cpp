#include "OnScreenKeyboardWindow.h"

#include "Console.h"
#include "KeyRowWidget.h"
#include "KeyTranslator.h"
#include "KeyboardWindowControls.h"
#include "OnScreenKeyboard.h"
#include "PanelLabel.h"

#include <QGridLayout>
#include <QKeyEvent>

namespace vorlo {

OnScreenKeyboardWindow::OnScreenKeyboardWindow(Console& console, Form& form, QWidget* parent)
    : FormDialog(console, form, false, parent), keyboard_(console.onScreenKeyboard()) {
    using namespace ctl::keyboard;
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    const DivisionId rows[] = {DivisionId::Great, DivisionId::Swell, DivisionId::Pedal};
    for (int i = 0; i < 3; ++i) {
        if (auto* name = bindAs<PanelLabel>(LabelRow, i)) {
            QFont f = name->font();
            f.setBold(true);
            name->setFont(f);
            name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(name, i, 0);
        }
        auto* keys = new KeyRowWidget(keyboard_, rows[i], this);
        rows_[static_cast<size_t>(i)] = keys;
        grid->addWidget(keys, i, 1, Qt::AlignLeft);
    }
    if (auto* hint = bindAs<PanelLabel>(LabelComputerKeys)) {
        hint->setWordWrap(false);
        grid->addWidget(hint, 3, 0, 1, 2);
    }
    // The window itself takes the computer keys.
    setFocusPolicy(Qt::StrongFocus);
}

void OnScreenKeyboardWindow::keyPressEvent(QKeyEvent* event) {
    // The system's repeat of a held key plays nothing more.
    if (event->isAutoRepeat() || keyboard_.computerKeyDown(KeyTranslator::virtualKey(*event))) {
        event->accept();
        return;
    }
    FormDialog::keyPressEvent(event);
}

void OnScreenKeyboardWindow::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || keyboard_.computerKeyUp(KeyTranslator::virtualKey(*event))) {
        event->accept();
        return;
    }
    FormDialog::keyReleaseEvent(event);
}

void OnScreenKeyboardWindow::changeEvent(QEvent* event) {
    // Another window took the focus: its keys no longer reach this one to be let go.
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        keyboard_.releaseAll();
    FormDialog::changeEvent(event);
}

void OnScreenKeyboardWindow::hideEvent(QHideEvent* event) {
    keyboard_.releaseAll();
    FormDialog::hideEvent(event);
}

} // namespace vorlo
