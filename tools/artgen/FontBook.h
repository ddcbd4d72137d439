#pragma once

#include <QFont>

namespace vorlo::artgen {

// The typefaces of the pictures: DejaVu Sans and DejaVu Serif (Debian's fonts-dejavu-core),
// loaded from their files so the text looks the same whatever fontconfig prefers. Sizes are in
// pixels, never points, so the screen's resolution plays no part. Needs a QGuiApplication.
class FontBook {
public:
    static QFont sans(int pixelSize, bool bold = false);
    static QFont serif(int pixelSize, bool bold = false);

private:
    static QFont make(const QString& family, int pixelSize, bool bold);
    static void load();
};

} // namespace vorlo::artgen
