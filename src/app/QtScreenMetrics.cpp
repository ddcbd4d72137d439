#include "QtScreenMetrics.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

namespace vorlo {

double QtScreenMetrics::twipsPerPixel() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

double QtScreenMetrics::screenWidthTwips() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return (s ? s->geometry().width() : 1024) * twipsPerPixel();
}

double QtScreenMetrics::screenHeightTwips() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    return (s ? s->geometry().height() : 768) * twipsPerPixel();
}

QStringList QtScreenMetrics::fontFamilies() const {
    return QFontDatabase::families();
}

} // namespace vorlo
