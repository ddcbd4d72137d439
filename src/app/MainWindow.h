#pragma once

#include "TwipsConverter.h"

#include <QHash>
#include <QMainWindow>

class QMenu;

namespace vorlo {

class BoundMenuAction;
class Console;
class Form;
class FormWindowBinding;

// The console's main window: the menu bar and the panel (standard or graphic) with every
// control at the place the console's layout gives it. Keys pressed in the window, or on one of
// its buttons, go to the console's key handlers.
//
// The console sizes its main window in twips; that size is used for the panel (the window's
// client area), and the menu bar is added above it.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Console& console, Form& form, QWidget* parent = nullptr);

    QWidget* panel() const { return panel_; }
    // The widget that draws a control ("Name", index for arrays); null for unknown controls.
    QWidget* controlWidget(const QString& name, int index = -1) const;
    template <typename T> T* control(const QString& name, int index = -1) const {
        return dynamic_cast<T*>(controlWidget(name, index));
    }
    BoundMenuAction* menuAction(const QString& name) const { return actions_.value(name); }
    // The top-level menus, in their order.
    QList<QMenu*> menus() const { return menus_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildPanel();
    void refreshSize();
    void dispatchKey(const QKeyEvent& event);

    Console& console_;
    Form& form_;
    TwipsConverter converter_;
    QWidget* panel_ = nullptr;
    FormWindowBinding* binding_ = nullptr;
    QHash<QString, QWidget*> widgets_;
    QHash<QString, BoundMenuAction*> actions_;
    QList<QMenu*> menus_;
};

} // namespace vorlo
