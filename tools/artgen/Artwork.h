#pragma once

#include <QString>
#include <QStringList>

namespace vorlo::artgen {

// Draws every picture and icon the program looks up in its folder and writes them there:
// the graphic panel's background, name plate and drawstop knobs, the memory LEDs, the window
// icons, the about picture and the Total Recall key map.
class Artwork {
public:
    // The file names, in the order they are written.
    static QStringList fileNames();
    // Writes every file into the folder (made if missing); false with a message at the first
    // file that cannot be written. Needs a QGuiApplication (for the fonts).
    static bool writeAll(const QString& folder, QString* error);
};

} // namespace vorlo::artgen
