#pragma once

#include "ConsoleFixture.h"
#include "MainWindow.h"
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
    template <typename T> T* panelWidget(const char* name, int index = -1) const {
        return mainWindow()->control<T>(QString::fromLatin1(name), index);
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
