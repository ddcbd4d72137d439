// Damaged and unusual byte streams from a keyboard: what reaches the sound module.
#include "support/ConsoleFixture.h"

using namespace vorlo;
using namespace vorlo::test;

namespace {

class KeyboardBytes : public ConsoleFixture {
protected:
    void SetUp() override { startOnMarkerTable(); }
    // Plays the pieces on keyboard 1, each as the MIDI library hands it over, and returns
    // what went out.
    QStringList keys(std::initializer_list<QByteArray> pieces) {
        for (const QByteArray& piece : pieces)
            midi->play(QString::fromLatin1(kKeyboard1), piece);
        settle();
        return log();
    }
};

} // namespace

// The byte rules themselves are MidiByteParserTest's; these check that a keyboard's bytes reach
// the module through them, whatever pieces the MIDI library hands over.
TEST_F(KeyboardBytes, AStatusByteWhereDataBelongIsNeverSentAsData) {
    // The controller is cut short by a program change, which is read as the command it is
    // (program 47 of channel 3: the twelfth fixed memory).
    const QStringList out = keys({QByteArray::fromHex("B0C22F")});
    EXPECT_EQ(st().LastMemory, 24);
    ASSERT_FALSE(out.isEmpty()) << "the memory's registration goes out";
    for (const QString& m : out) {
        if (m.startsWith(QStringLiteral("F0")))
            continue;
        const QByteArray bytes = QByteArray::fromHex(m.toLatin1());
        for (qsizetype i = 1; i < bytes.size(); ++i)
            EXPECT_LT(uint8_t(bytes[i]), 0x80) << m.toStdString();
    }
}

TEST_F(KeyboardBytes, PiecesRealTimeAndSystemExclusiveReachTheModuleAsWholeMessages) {
    EXPECT_EQ(keys({QByteArray::fromHex("903C643E64"), QByteArray::fromHex("3C00")}),
              QStringList({"90 3C 64", "90 3E 64", "90 3C 00"}));
    EXPECT_EQ(keys({QByteArray::fromHex("90F83CFE64")}), QStringList({"F8", "FE", "90 3C 64"}));
    EXPECT_EQ(keys({QByteArray::fromHex("903C64F04110"), QByteArray::fromHex("4212"),
                    QByteArray::fromHex("3C64F7"), QByteArray::fromHex("3E64")}),
              QStringList({"90 3C 64"}));
}
