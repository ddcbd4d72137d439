#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace vorlo {

// Numbers as the console's text files store them: a blank in place of the sign when not
// negative, the digits, one trailing blank (" 5 ", "-3 ").
class NumberText {
public:
    static QByteArray formatInteger(int value);
    // Single-precision values with up to seven significant digits; a fraction is written
    // without its leading zero (" .5 ").
    static QByteArray formatSingle(float value);
    // Blanks and tabs around the number are skipped. A decimal value is rounded to the nearest
    // integer, halves to even. Fails on anything else and outside the 16-bit range.
    static std::optional<int16_t> parseInteger(QByteArrayView text);
    static std::optional<float> parseSingle(QByteArrayView text);
    // Rounds halves to even, as the console does for sizes and scale factors.
    static int roundHalfEven(double value);
};

} // namespace vorlo
