#pragma once

#include <QPixmap>
#include <QString>

namespace vorlo {

// Picture files of the program folder, read once. A file that is missing or unreadable gives a
// null picture: the control shows nothing.
class PictureCache {
public:
    static const QPixmap& load(const QString& file);
    // The picture smoothly scaled to size (cached per size).
    static QPixmap scaled(const QString& file, QSize size);
    static void clear();
};

} // namespace vorlo
