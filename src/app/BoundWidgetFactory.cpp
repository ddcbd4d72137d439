#include "BoundWidgetFactory.h"

#include "BoundWidget.h"
#include "PanelButton.h"
#include "PanelLabel.h"

namespace vorlo {

QWidget* BoundWidgetFactory::create(const Form& form, Control& control, ControlKind kind,
                                    std::optional<TwipsConverter> converter, QWidget* parent) {
    switch (kind) {
    case ControlKind::Menu:
    case ControlKind::MenuItem:
    case ControlKind::CheckMenuItem:
        return nullptr;
    case ControlKind::Frame:
        return new BoundGroupBox(control, converter, parent);
    case ControlKind::Picture:
        return new PanelLabel(control, PanelLabel::Role::Picture, converter, parent);
    case ControlKind::Button:
        return new PanelButton(control, converter, parent);
    case ControlKind::Slider:
        return new BoundSlider(control, converter, parent);
    case ControlKind::ScrollBar:
        return new BoundScrollBar(control, converter, parent);
    case ControlKind::ComboBox:
        return new BoundComboBox(control, converter, parent);
    case ControlKind::ListBox:
        return new BoundListWidget(control, converter, parent);
    case ControlKind::CheckBox:
        return new BoundCheckBox(control, converter, parent);
    case ControlKind::OptionButton:
        return new BoundRadioButton(control, converter, parent);
    case ControlKind::TextBox:
        return new BoundLineEdit(control, converter, parent);
    case ControlKind::Label:
        break;
    }
    auto* label = new PanelLabel(control, PanelLabel::Role::Text, converter, parent);
    label->setAlignment(control.alignment());
    return label;
}

} // namespace vorlo
