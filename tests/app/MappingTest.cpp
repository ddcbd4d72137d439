// How the console's colours, keys, twips, fonts and file filters become Qt's.
#include "Colors.h"
#include "FontMapper.h"
#include "KeyTranslator.h"
#include "QtDialogs.h"
#include "SystemColors.h"
#include "TwipsConverter.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPalette>
#include <gtest/gtest.h>

using namespace vorlo;

namespace {

// Relative luminance contrast, as the accessibility guidelines measure it.
double contrast(const QColor& a, const QColor& b) {
    auto lum = [](const QColor& c) {
        auto ch = [](double v) {
            v /= 255.0;
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * ch(c.red()) + 0.7152 * ch(c.green()) + 0.0722 * ch(c.blue());
    };
    const double x = lum(a) + 0.05, y = lum(b) + 0.05;
    return std::max(x, y) / std::min(x, y);
}

} // namespace

TEST(SystemColorsTest, PlainColoursAreBlueGreenRedWindowColoursThePalettesUnknownOnesNone) {
    EXPECT_EQ(SystemColors::toQColor(color::rgb(0, 192, 0)), QColor(0, 192, 0));
    EXPECT_EQ(SystemColors::toQColor(0x00FF8040u), QColor(0x40, 0x80, 0xFF));
    EXPECT_EQ(SystemColors::toQColor(color::White), QColor(255, 255, 255));
    const QPalette p = QApplication::palette();
    EXPECT_EQ(SystemColors::toQColor(color::system(5), p), p.color(QPalette::Base));
    EXPECT_EQ(SystemColors::toQColor(color::system(8), p), p.color(QPalette::Text));
    EXPECT_EQ(SystemColors::toQColor(color::system(13), p), p.color(QPalette::Highlight));
    // Not set, or a system colour the console does not know: the widget keeps its own.
    EXPECT_FALSE(SystemColors::toQColor(color::None).isValid());
    EXPECT_FALSE(SystemColors::toQColor(color::system(99)).isValid());
}

TEST(SystemColorsTest, LitStandsOutFromUnlitAndReadsWithButtonText) {
    const QPalette p = QApplication::palette();
    const QColor lit = SystemColors::toQColor(color::Lit, p);
    const QColor unlit = SystemColors::toQColor(color::Unlit, p);
    const QColor text = SystemColors::toQColor(color::ButtonText, p);
    EXPECT_EQ(unlit, p.color(QPalette::Button));
    EXPECT_EQ(text, p.color(QPalette::ButtonText));
    EXPECT_NE(lit, unlit);
    // Distinct at a glance: a clear difference in hue and saturation, not a shade of grey.
    EXPECT_GT(lit.hsvSaturation(), 120);
    EXPECT_GT(std::abs(lit.hsvSaturation() - unlit.hsvSaturation()), 100);
    // Stop names stay readable on a lit cell.
    EXPECT_GE(contrast(lit, text), 4.5);
    // Switched-off memory steps are a darker grey than the button face.
    const QColor off = SystemColors::toQColor(color::ActiveBorder, p);
    EXPECT_LT(off.lightness(), unlit.lightness());
    EXPECT_LT(off.hsvSaturation(), 30);
}

TEST(KeyTranslatorTest, KeysKeepTheirWindowsCodes) {
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(KeyTranslator::virtualKey(Qt::Key_F1 + i), 112 + i) << "F" << i + 1;
    EXPECT_EQ(KeyTranslator::virtualKey(Qt::Key_A), 65);
    EXPECT_EQ(KeyTranslator::virtualKey(Qt::Key_Z), 90);
    EXPECT_EQ(KeyTranslator::virtualKey(Qt::Key_7), 55);
    EXPECT_EQ(KeyTranslator::virtualKey(Qt::Key_7, true), 103);
    EXPECT_EQ(KeyTranslator::virtualKey(Qt::Key_Escape), 27);
    EXPECT_EQ(KeyTranslator::virtualKey(Qt::Key_Space), 32);
    EXPECT_EQ(KeyTranslator::virtualKey(Qt::Key_Left), 37);
    EXPECT_EQ(KeyTranslator::virtualKey(Qt::Key_VolumeUp), 0);
}

TEST(KeyTranslatorTest, CharactersAreWindows1252Codes) {
    EXPECT_EQ(KeyTranslator::characterCode(QStringLiteral("1")), 49);
    EXPECT_EQ(KeyTranslator::characterCode(QStringLiteral("0")), 48);
    EXPECT_EQ(KeyTranslator::characterCode(QStringLiteral("'")), 39);
    EXPECT_EQ(KeyTranslator::characterCode(QString(QChar(0x00EC))), 236); // ì
    EXPECT_EQ(KeyTranslator::characterCode(QString(QChar(0x20AC))), 128); // the euro sign
    EXPECT_EQ(KeyTranslator::characterCode(QStringLiteral("?")), 63);
    EXPECT_EQ(KeyTranslator::characterCode(QStringLiteral("\r")), 13);
    // Nothing typed, two characters, or one the code page lacks: no character at all.
    EXPECT_EQ(KeyTranslator::characterCode(QString()), -1);
    EXPECT_EQ(KeyTranslator::characterCode(QStringLiteral("ab")), -1);
    EXPECT_EQ(KeyTranslator::characterCode(QString(QChar(0x3042))), -1);
}

TEST(TwipsConverterTest, RoundsToTheNearestPixel) {
    const TwipsConverter at96(15);
    EXPECT_EQ(at96.toPixels(9680), 645);   // 645.33
    EXPECT_EQ(at96.toPixels(577), 38);     // 38.47
    EXPECT_EQ(at96.toPixels(8793.6), 586); // 586.24
    EXPECT_EQ(at96.toPixels(7.5), 1);      // half a pixel rounds away from zero
    EXPECT_EQ(at96.toPixels(std::nan("")), -1);
    EXPECT_DOUBLE_EQ(at96.toTwips(20), 300);
    const TwipsConverter at120(12);
    EXPECT_EQ(at120.toPixels(9680), 807);
    // A resolution that makes no sense falls back to 96 dots per inch.
    EXPECT_DOUBLE_EQ(TwipsConverter(0).twipsPerPixel(), 15);
    EXPECT_DOUBLE_EQ(TwipsConverter(-3).twipsPerPixel(), 15);
}

TEST(FontMapperTest, WindowsFontsBecomeInstalledFamiliesWithTheirStyle) {
    const QFont small =
        FontMapper::toQFont(FontStyle{QStringLiteral("Small Fonts"), 7, true, false});
    EXPECT_TRUE(QFontDatabase::hasFamily(FontMapper::family(QStringLiteral("Small Fonts"))));
    EXPECT_DOUBLE_EQ(small.pointSizeF(), 7);
    EXPECT_TRUE(small.bold());
    EXPECT_FALSE(small.italic());
    const QFont arial = FontMapper::toQFont(FontStyle{QStringLiteral("Arial"), 12, false, true});
    EXPECT_TRUE(QFontDatabase::hasFamily(FontMapper::family(QStringLiteral("Arial"))));
    EXPECT_DOUBLE_EQ(arial.pointSizeF(), 12);
    EXPECT_TRUE(arial.italic());
    EXPECT_FALSE(arial.bold());
}

TEST(FontMapperTest, InstalledFamiliesAreKeptAsTheyAre) {
    const QStringList families = QFontDatabase::families();
    ASSERT_FALSE(families.isEmpty());
    const QString installed = families.first();
    EXPECT_EQ(FontMapper::family(installed), installed);
    EXPECT_FALSE(FontMapper::needsCondensing(installed));
    EXPECT_EQ(QFontInfo(FontMapper::toQFont(FontStyle{installed, 9, false, false})).family(),
              installed);
}

TEST(QtDialogsTest, FiltersBecomeQtNameFilters) {
    EXPECT_EQ(QtDialogs::nameFilter(QStringLiteral("*.sqs")), QStringLiteral("(*.sqs)"));
    EXPECT_EQ(QtDialogs::nameFilter(QStringLiteral("(*.syx)|*.syx")), QStringLiteral("(*.syx)"));
    EXPECT_EQ(QtDialogs::nameFilter(QStringLiteral("Stops table|*.dat")),
              QStringLiteral("Stops table (*.dat)"));
    EXPECT_EQ(QtDialogs::nameFilter(QString()), QStringLiteral("(*)"));
}
