#pragma once

#include "OrganModel.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace vorlo::datgen {

// Reads the organ source (JSON, data/organ/organ.json) into an OrganModel. Every value is
// checked against what the console and the module accept; the first problem found is reported
// with its place in the source ("stops.fondi[3].ranks[0]: unknown tone \"flute\"").
class OrganSource {
public:
    static std::optional<OrganModel> parse(const QByteArray& json, QString* error);
    static std::optional<OrganModel> read(const QString& path, QString* error);
};

} // namespace vorlo::datgen
