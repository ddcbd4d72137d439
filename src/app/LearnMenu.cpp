#include "LearnMenu.h"

#include "Control.h"
#include "ControlBinding.h"

#include <QMenu>
#include <QWidget>
#include <memory>

namespace vorlo {

QMenu* LearnMenu::menuFor(Control& control, QWidget* parent) {
    if (!control.onLearn)
        return nullptr;
    auto* menu = new QMenu(parent);
    QPointer<Control> target(&control);
    QObject::connect(menu->addAction(QString::fromLatin1(LearnCaption)), &QAction::triggered, menu,
                     [target] {
                         ControlBinding::run(target.data(), [](Control& c) {
                             if (c.onLearn)
                                 c.onLearn();
                         });
                     });
    QObject::connect(menu->addAction(QString::fromLatin1(ForgetCaption)), &QAction::triggered, menu,
                     [target] {
                         ControlBinding::run(target.data(), [](Control& c) {
                             if (c.onForget)
                                 c.onForget();
                         });
                     });
    return menu;
}

void LearnMenu::attach(QWidget& widget, QPointer<Control> control) {
    // The engine offers learning when it builds its windows, before any widget draws them.
    if (!control || !control->onLearn)
        return;
    widget.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&widget, &QWidget::customContextMenuRequested, &widget,
                     [&widget, control](const QPoint& at) {
                         if (!control)
                             return;
                         std::unique_ptr<QMenu> menu(menuFor(*control, &widget));
                         if (menu)
                             menu->exec(widget.mapToGlobal(at));
                     });
}

} // namespace vorlo
