#pragma once

#include <QByteArray>
#include <QList>

namespace vorlo {

// The lines of a text file, whichever line end it uses (CR LF or LF): without their ends, and
// without the empty text after the last line end.
class TextLines {
public:
    static QList<QByteArray> split(const QByteArray& bytes);
};

} // namespace vorlo
