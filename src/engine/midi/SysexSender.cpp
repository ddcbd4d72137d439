#include "SysexSender.h"

#include "MidiConstants.h"
#include "core/Console.h"

namespace vorlo {

SysexSender::SysexSender(Console& console) : console_(console) {}

void SysexSender::Sysex_Sending(int n) {
    ConsoleState& st = console_.state();
    if (!StopTable::isValidIndex(n))
        return;
    // A copy: a handler run during a wait may replace the table.
    const QByteArray entry = st.Table[n];
    if (st.SysexDelay == 0) {
        console_.MIDIOutput1().sendSysex(entry);
        return;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i < entry.size(); ++i) {
        if (static_cast<uint8_t>(entry[i]) != midi::SysexEnd)
            continue;
        console_.MIDIOutput1().sendSysex(entry.mid(start, i + 1 - start));
        console_.Waiting_Timer(console_.state().SysexDelay);
        start = i + 1;
    }
}

void SysexSender::Sysex_Temp_sending(int n) {
    ConsoleState& st = console_.state();
    if (n < 0 || n >= static_cast<int>(st.SysexTemp.size()))
        return;
    if (st.SysexDelay != 0)
        console_.Waiting_Timer(st.SysexDelay);
    console_.MIDIOutput1().sendSysex(console_.state().SysexTemp[static_cast<size_t>(n)]);
}

} // namespace vorlo
