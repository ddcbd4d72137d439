#pragma once

#include "Control.h"

#include <QHash>
#include <QList>
#include <functional>

namespace vorlo {

// A console window: its own visible state (caption, icon, position, shown or hidden) and the
// controls it holds, found by name and array index. Controls are declared once, with their
// design-time properties, when the engine builds its windows.
class Form : public Control {
    Q_OBJECT
public:
    explicit Form(const QString& name, QObject* parent = nullptr);

    // Declares a control (or one element of a control array). Declaring twice is a fault.
    Control& add(const QString& name, int index = -1);
    // Declares the elements first..last of a control array.
    void addArray(const QString& name, int first, int last);
    // Declares an option-button array: choosing one clears the others.
    void addOptionArray(const QString& name, int first, int last);

    // Throws std::out_of_range for a control that was never declared.
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
    QHash<QString, Control*> controls_;
    QList<Control*> ordered_;
    bool loaded_ = false;
    bool modal_ = false;
};

} // namespace vorlo
