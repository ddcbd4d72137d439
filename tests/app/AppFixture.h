#pragma once

#include "AboutWindowControls.h"
#include "AdvancedWindowControls.h"
#include "BoundMenuAction.h"
#include "ConsoleFixture.h"
#include "FontsWindowControls.h"
#include "MainWindow.h"
#include "MainWindowControls.h"
#include "SetupWindowControls.h"
#include "ThruWindowControls.h"
#include "TotalRecallWindowControls.h"
#include "WindowManager.h"

#include <memory>

namespace vorlo::test {

// A console with its Qt windows, on the virtual MIDI system, drawn offscreen.
class AppFixture : public ConsoleFixture {
protected:
    ~AppFixture() override;

    // Writes the marker stops table and a configuration (tweaked), then starts the console with
    // its windows. The MIDI log starts empty afterwards.
    void startApp(const std::function<void(ConsoleState&)>& tweak = {});
    void startStandard(double scale = 1.0);
    void startGraphic();
    // Small stand-ins for the program folder's pictures (GIF names hold PNG data: Qt reads GIF
    // but cannot write it, and finds the format from the content).
    void writeArtwork();

    MainWindow* mainWindow() const;
    // The main window's widget of a control.
    template <typename T> T* panelWidget(const ControlRef& c) const {
        return mainWindow()->control<T>(QString::fromLatin1(c.name), c.index);
    }
    template <typename T> T* panelWidget(const ControlArrayId& id, int index) const {
        return panelWidget<T>(ControlRef(id, index));
    }
    // The widget of a control in one of the other windows (null when it has none or the window
    // is not open).
    template <typename T, typename W> static T* widgetOf(const W* w, const ControlRef& c) {
        return w ? dynamic_cast<T*>(w->controlWidget(QString::fromLatin1(c.name), c.index))
                 : nullptr;
    }
    template <typename T, typename W>
    static T* widgetOf(const W* w, const ControlArrayId& id, int index) {
        return widgetOf<T>(w, ControlRef(id, index));
    }
    BoundMenuAction* menuItem(const ControlId& id) const {
        return mainWindow()->menuAction(QString::fromLatin1(id.name));
    }
    template <typename T> T* window(const char* form) const {
        return windows->window<T>(QString::fromLatin1(form));
    }
    // A left click in the middle of the widget, as the player makes it.
    static void clickWidget(QWidget* w);
    static void doubleClickWidget(QWidget* w);

    std::unique_ptr<WindowManager> windows;
};

} // namespace vorlo::test
