#include "NumberText.h"

#include <QByteArrayView>
#include <cmath>
#include <limits>

namespace vorlo {

QByteArray NumberText::formatInteger(int value) {
    QByteArray out = QByteArray::number(value);
    if (value >= 0)
        out.prepend(' ');
    out.append(' ');
    return out;
}

QByteArray NumberText::formatSingle(float value) {
    QByteArray digits = QByteArray::number(static_cast<double>(value), 'g', 7);
    if (digits.startsWith("0."))
        digits.remove(0, 1);
    else if (digits.startsWith("-0."))
        digits.remove(1, 1);
    if (value >= 0)
        digits.prepend(' ');
    digits.append(' ');
    return digits;
}

static QByteArray trimmed(QByteArrayView text) {
    return text.toByteArray().trimmed();
}

std::optional<float> NumberText::parseSingle(QByteArrayView text) {
    const QByteArray t = trimmed(text);
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(v);
}

int NumberText::roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

std::optional<int16_t> NumberText::parseInteger(QByteArrayView text) {
    const QByteArray t = trimmed(text);
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    const double r = std::nearbyint(v);
    if (r < std::numeric_limits<int16_t>::min() || r > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(r);
}

} // namespace vorlo
