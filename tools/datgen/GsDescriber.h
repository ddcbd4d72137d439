#pragma once

#include <QByteArrayView>
#include <QString>

namespace vorlo::datgen {

// One line of plain words for a GS data-set message ("part 17 (B01) key shift +12"), for the
// dump of a stops table. Messages it does not know are named by their address.
class GsDescriber {
public:
    static QString describe(QByteArrayView message);
};

} // namespace vorlo::datgen
