#include "TextLines.h"

namespace vorlo {

QList<QByteArray> TextLines::split(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    // The text after the last line end is not a line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& l : lines) {
        if (l.endsWith('\r'))
            l.chop(1);
    }
    return lines;
}

} // namespace vorlo
