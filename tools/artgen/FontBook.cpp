#include "FontBook.h"

#include <QFile>
#include <QFontDatabase>

namespace vorlo::artgen {

void FontBook::load() {
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    const char* const files[] = {"DejaVuSans.ttf",          "DejaVuSans-Bold.ttf",
                                 "DejaVuSerif.ttf",         "DejaVuSerif-Bold.ttf",
                                 "DejaVuSansCondensed.ttf", "DejaVuSansCondensed-Bold.ttf"};
    for (const char* name : files) {
        const QString path =
            QStringLiteral("/usr/share/fonts/truetype/dejavu/") + QLatin1String(name);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

QFont FontBook::make(const QString& family, int pixelSize, bool bold) {
    load();
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont FontBook::sans(int pixelSize, bool bold) {
    return make(QStringLiteral("DejaVu Sans"), pixelSize, bold);
}

QFont FontBook::serif(int pixelSize, bool bold) {
    return make(QStringLiteral("DejaVu Serif"), pixelSize, bold);
}

} // namespace vorlo::artgen
