#pragma once

#include "Control.h"
#include "ControlId.h"

#include <QHash>
#include <QList>
#include <functional>

namespace vorlo {

// A console window: its own visible state (caption, icon, position, shown or hidden) and the
// controls it holds. Controls are declared once, through their identifiers, with their
// design-time properties, when the engine builds its windows; code reaches them through the
// same identifiers.
class Form : public Control {
    Q_OBJECT
public:
    explicit Form(const QString& name, QObject* parent = nullptr);

    // Declares a control, or one element of a control array (an index outside the array's
    // range is a fault). Declaring twice is a fault.
    Control& add(const ControlId& id);
    Control& add(const ControlArrayId& id, int index);
    // Declares every element of a control array.
    void addArray(const ControlArrayId& id);
    // Declares an option-button array: choosing one clears the others.
    void addOptionArray(const ControlArrayId& id);

    // Throws std::out_of_range for a control that was never declared.
    Control& operator()(const ControlId& id) const;
    Control& operator()(const ControlArrayId& id, int index) const;
    Control& operator()(const ControlRef& ref) const;
    // Null for a control the window does not hold.
    Control* find(const ControlId& id) const;
    Control* find(const ControlArrayId& id, int index) const;

    // By name, for what works on any control (tests, generic rendering). Controls declared
    // this way are labels.
    Control& add(const QString& name, int index = -1);
    void addOptionArray(const QString& name, int first, int last);
    Control& operator()(const QString& name, int index = -1) const;
    Control* find(const QString& name, int index = -1) const;
    const QList<Control*>& controls() const { return ordered_; }

    // Whether the window is loaded (exists) and shown.
    bool isLoaded() const { return loaded_; }
    void setLoaded(bool v);
    bool isModal() const { return modal_; }
    void setModal(bool v) { modal_ = v; }

    // Run when the panel layer asks to close the window: returns true to keep it open.
    std::function<bool()> onQueryUnload;
    // A key pressed (key code) or a character typed (character code) while the window or one
    // of its controls has the focus.
    std::function<void(int keyCode)> onKeyDown;
    std::function<void(int charCode)> onKeyPress;

    // The player (or the window system) asks to close the window. Returns true if it closed.
    bool requestClose();
    // Shows the window and brings it in front of the others, also when it is already shown.
    void bringToFront();

signals:
    void loadedChanged(bool loaded);
    void raiseRequested();

private:
    Control& declare(const QString& name, int index, ControlKind kind);
    void makeOptionArray(const QString& name, int first, int last);

    QHash<QString, Control*> controls_;
    QList<Control*> ordered_;
    bool loaded_ = false;
    bool modal_ = false;
};

} // namespace vorlo
