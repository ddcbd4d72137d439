#include "PictureCache.h"

#include <QFileInfo>
#include <QHash>
#include <QImageReader>

namespace vorlo {
namespace {

struct Entry {
    QPixmap natural;
    QHash<quint64, QPixmap> scaled;
};

QHash<QString, Entry>& entries() {
    static QHash<QString, Entry> cache;
    return cache;
}

quint64 sizeKey(QSize s) {
    return (static_cast<quint64>(static_cast<quint32>(s.width())) << 32) |
           static_cast<quint32>(s.height());
}

} // namespace

const QPixmap& PictureCache::load(const QString& file) {
    static const QPixmap none;
    if (file.isEmpty())
        return none;
    auto it = entries().find(file);
    if (it == entries().end()) {
        Entry e;
        if (QFileInfo(file).isFile()) {
            QImageReader reader(file);
            reader.setAutoTransform(true);
            const QImage image = reader.read();
            if (!image.isNull())
                e.natural = QPixmap::fromImage(image);
        }
        it = entries().insert(file, e);
    }
    return it->natural;
}

QPixmap PictureCache::scaled(const QString& file, QSize size) {
    const QPixmap& natural = load(file);
    if (natural.isNull() || size.isEmpty())
        return {};
    if (natural.size() == size)
        return natural;
    Entry& e = entries()[file];
    auto it = e.scaled.find(sizeKey(size));
    if (it == e.scaled.end())
        it = e.scaled.insert(sizeKey(size),
                             natural.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return *it;
}

void PictureCache::clear() {
    entries().clear();
}

} // namespace vorlo
