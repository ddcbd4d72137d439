#include "SysexSender.h"

#include "ConsoleState.h"
#include "MidiConstants.h"
#include "MidiOutputPort.h"
#include "WaitTimer.h"

namespace vorlo {

SysexSender::SysexSender(ConsoleState& state, MidiOutputPort& output, WaitTimer& waiter)
    : state_(state), output_(output), waiter_(waiter) {}

void SysexSender::Sysex_Sending(int n) {
    ConsoleState& st = state_;
    if (!StopTable::isValidIndex(n))
        return;
    // A copy: a handler run during a wait may replace the table.
    const QByteArray entry = st.Table[n];
    if (st.SysexDelay == 0) {
        output_.sendSysex(entry);
        return;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i < entry.size(); ++i) {
        if (static_cast<uint8_t>(entry[i]) != midi::SysexEnd)
            continue;
        output_.sendSysex(entry.mid(start, i + 1 - start));
        waiter_.Waiting_Timer(state_.SysexDelay);
        start = i + 1;
    }
}

void SysexSender::Sysex_Temp_sending(int n) {
    ConsoleState& st = state_;
    if (n < 0 || n >= static_cast<int>(st.SysexTemp.size()))
        return;
    if (st.SysexDelay != 0)
        waiter_.Waiting_Timer(st.SysexDelay);
    output_.sendSysex(state_.SysexTemp[static_cast<size_t>(n)]);
}

} // namespace vorlo
