#pragma once

#include <QString>

namespace vorlo {

// A font as the console describes it: the panel layer turns it into a platform font.
struct FontStyle {
    QString name;
    double size = 8;
    bool bold = false;
    bool italic = false;

    bool operator==(const FontStyle&) const = default;
};

} // namespace vorlo
