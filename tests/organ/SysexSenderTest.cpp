#include "SysexSender.h"
#include "support/ConsoleFixture.h"

using namespace vorlo;
using namespace vorlo::test;

namespace {

class SysexSending : public ConsoleFixture {
protected:
    void SetUp() override {
        StopTable t = markerTable();
        // Three messages and two stray bytes after the last F7.
        t.set(5, QByteArray("\xF0\x01\xF7\xF0\x02\x03\xF7\xF0\xF7\x55\x66", 11));
        t.set(6, QByteArray());
        writeTable(t);
        writeConfig();
        start();
        console->waiter().observer = [this](int ms) {
            midi->note(QStringLiteral("wait %1").arg(ms));
        };
    }
};

} // namespace

TEST_F(SysexSending, AnEntryGoesOutWholeOrMessageByMessageWithWaitsAndNeverPastItsLastF7) {
    st().SysexDelay = 0;
    console->sysex().Sysex_Sending(5);
    console->sysex().Sysex_Sending(6);
    EXPECT_EQ(log(), QStringList({"F0 01 F7 F0 02 03 F7 F0 F7 55 66", ""}))
        << "without a delay, one transmission";
    st().SysexDelay = 5;
    console->sysex().Sysex_Sending(5);
    console->sysex().Sysex_Sending(6);
    EXPECT_EQ(log(),
              QStringList({"F0 01 F7", "wait 5", "F0 02 03 F7", "wait 5", "F0 F7", "wait 5"}))
        << "bytes after the last F7 are never sent; an empty entry sends nothing";
    // Temperament messages wait before they go; bad indexes send nothing.
    st().SysexTemp[3] = "\xF0\x41\xF7";
    st().SysexDelay = 7;
    console->sysex().Sysex_Temp_sending(3);
    st().SysexDelay = 0;
    console->sysex().Sysex_Temp_sending(3);
    console->sysex().Sysex_Sending(431);
    console->sysex().Sysex_Sending(-1);
    console->sysex().Sysex_Temp_sending(33);
    EXPECT_EQ(log(), QStringList({"wait 7", "F0 41 F7", "F0 41 F7"}));
}
