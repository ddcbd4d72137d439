#include "BoundMenuAction.h"

#include "Control.h"
#include "ControlBinding.h"

namespace vorlo {

BoundMenuAction::BoundMenuAction(Control& control, bool checkable, QObject* parent)
    : QAction(parent), control_(&control) {
    setObjectName(control.name());
    setCheckable(checkable);
    connect(&control, &Control::changed, this, &BoundMenuAction::refresh);
    connect(this, &QAction::triggered, this, [this] {
        ControlBinding::run(control_, [](Control& c) { c.click(); });
        // Qt flips the check mark by itself; the console decides what it shows.
        refresh();
    });
    refresh();
}

void BoundMenuAction::refresh() {
    if (!control_)
        return;
    const Control& c = *control_;
    // A "-" caption makes the item a separator line; its text stays empty, or the menu's style
    // draws it as a titled section.
    const bool separator = c.caption() == QLatin1String("-");
    setSeparator(separator);
    const QString shown = separator ? QString() : c.caption();
    if (text() != shown)
        setText(shown);
    setToolTip(c.toolTip());
    setVisible(c.isVisible());
    setEnabled(c.isEnabled());
    if (isCheckable() && isChecked() != c.isChecked())
        setChecked(c.isChecked());
}

} // namespace vorlo
