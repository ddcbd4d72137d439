#include "EditorTabs.h"

#include "Control.h"
#include "ControlBinding.h"

namespace vorlo {

EditorTabs::EditorTabs(Control& control, QWidget* parent) : QTabWidget(parent), control_(&control) {
    ControlBinding::nameWidget(*this, control);
    connect(&control, &Control::changed, this, &EditorTabs::refresh);
    connect(this, &QTabWidget::currentChanged, this, [this](int i) {
        if (control_ && i >= 0)
            control_->setValue(i);
    });
}

void EditorTabs::refresh() {
    if (!control_)
        return;
    const QStringList& captions = control_->items();
    for (int i = 0; i < count() && i < captions.size(); ++i) {
        if (tabText(i) != captions[i])
            setTabText(i, captions[i]);
    }
    const int shown = control_->value();
    if (shown >= 0 && shown < count() && shown != currentIndex())
        setCurrentIndex(shown);
}

} // namespace vorlo
