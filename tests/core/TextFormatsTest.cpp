#include "Cp1252.h"
#include "NumberText.h"

#include <gtest/gtest.h>

using namespace vorlo;

TEST(NumberText, SignedNumbersCarryABlankInPlaceOfThePlusSign) {
    EXPECT_EQ(NumberText::formatInteger(0), " 0 ");
    EXPECT_EQ(NumberText::formatInteger(127), " 127 ");
    EXPECT_EQ(NumberText::formatInteger(-32768), "-32768 ");
    EXPECT_EQ(NumberText::formatSingle(0.5f), " .5 ");
    EXPECT_EQ(NumberText::formatSingle(-4320), "-4320 ");
    EXPECT_EQ(NumberText::parseInteger("  \t-12  "), std::optional<int16_t>(-12));
    EXPECT_EQ(NumberText::parseInteger("2.5"), std::optional<int16_t>(2)) << "halves to even";
    EXPECT_FALSE(NumberText::parseInteger(""));
    EXPECT_FALSE(NumberText::parseInteger("12a"));
    EXPECT_FALSE(NumberText::parseInteger("32768"));
    EXPECT_EQ(NumberText::roundHalfEven(14.5), 14);
    EXPECT_EQ(NumberText::roundHalfEven(15.5), 16);
}

TEST(Cp1252, EveryByteSurvivesARoundTripAndTheEuroIsByte80) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(cp1252::encode(cp1252::decode(all)), all);
    EXPECT_EQ(cp1252::decode("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(cp1252::encode(QString::fromUtf8("Voce umana \u00EC")),
              QByteArray("Voce umana \xEC"));
    EXPECT_EQ(cp1252::encode(QString(QChar(0x4E2D))), "?");
}
