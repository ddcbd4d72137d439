#include "ConsoleReset.h"

#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "Dialogs.h"
#include "Memories.h"
#include "OrganSettings.h"
#include "ProgramLifecycle.h"
#include "SettingsLists.h"
#include "SysexSender.h"
#include "WaitTimer.h"

#include <algorithm>

namespace vorlo {

ConsoleReset::ConsoleReset(ConsoleState& state, Dialogs& dialogs, WaitTimer& waiter,
                           SysexSender& sysex, Memories& memories, ConsoleListener& events,
                           ConsoleUpdate& update, ProgramLifecycle& lifecycle,
                           OrganSettings& settings)
    : state_(state), dialogs_(dialogs), waiter_(waiter), sysex_(sysex), memories_(memories),
      events_(events), update_(update), lifecycle_(lifecycle), settings_(settings) {}

void ConsoleReset::RESET_vorlo2000() {
    ConsoleState& st = state_;

    events_.resetShown(ResetStep::Started);
    sendModuleReset();

    memories_.SPENGO_MEMORIE();
    memories_.Spengo_Graduatore();

    // The knobs drawn before the reset go back to "off", whichever panel is shown.
    events_.knobsReleased(SlotLive);

    st.ResetConsoleSlots();
    st.RecArmed = false;
    st.LastMemory = 1;
    st.BankMemory = 0;
    st.MemoryUnchanged = false;
    events_.recArmedShown(false);
    events_.resetShown(ResetStep::SlotsCleared);

    try {
        selectStoredLists();
        memories_.Scrivi_Label_memorie();
        events_.resetShown(ResetStep::MenusShown);
        update_.AGGIORNAMENTO_VORLO();
    } catch (const std::exception&) {
        lifecycle_.Gest_Errore_advanced();
        return;
    }
    events_.resetShown(ResetStep::Finished);
}

void ConsoleReset::sendModuleReset() {
    sysex_.Sysex_Sending(0);
    waiter_.Waiting_Timer(100);
    sysex_.Sysex_Sending(1);
    waiter_.Waiting_Timer(2);
    sysex_.Sysex_Sending(2);
    waiter_.Waiting_Timer(2);
    sysex_.Sysex_Sending(3);
    sysex_.Sysex_Sending(state_.ReverbType + StopTable::kReverbFirst);
}

void ConsoleReset::restoreModule() {
    sendModuleReset();
    settings_.sendStoredAgain(
        {SettingList::Temperament, SettingList::TemperamentStart, SettingList::TremoloType});
    // Every field counts as never sent, so the update sends the whole registration.
    state_.sent() = Registration::forceValues();
    try {
        update_.AGGIORNAMENTO_VORLO();
    } catch (const std::exception&) {
        lifecycle_.Gest_Errore_advanced();
    }
}

void ConsoleReset::selectStoredLists() {
    ConsoleState& st = state_;
    const SettingsLists& lists = settings_.lists();
    checkStoredIndex(lists.temperaments(), st.Temperament, QStringLiteral("temperament"));
    checkStoredIndex(lists.reverbs(), st.ReverbType, QStringLiteral("reverb"));
    checkStoredIndex(lists.startNotes(), st.TemperamentStart, QStringLiteral("tuning start note"));
    checkStoredIndex(lists.tremoloTypes(), st.TremoloType, QStringLiteral("tremolo type"));
    // A coupling outside the three the window offers counts as the nearest of them.
    st.GlobalCoupling = static_cast<int16_t>(std::clamp<int>(st.GlobalCoupling, 0, 2));
    settings_.chooseStored({SettingList::Temperament, SettingList::Reverb,
                            SettingList::TemperamentStart, SettingList::TremoloType});
    events_.settingsShown();
}

void ConsoleReset::checkStoredIndex(const QStringList& list, int16_t& setting,
                                    const QString& what) {
    const int count = static_cast<int>(list.size());
    if (count == 0 || (setting >= 0 && setting < count))
        return;
    dialogs_.message(QStringLiteral("The stored %1 number %2 is not in the list of this "
                                    "stops table: the first %1 is used.")
                         .arg(what)
                         .arg(setting),
                     state_.ProgramTitle, Dialogs::Icon::Exclamation);
    setting = 0;
}

void ConsoleReset::Fine_Setup() {
    selectStoredLists();
    memories_.Scrivi_Label_memorie();
    RESET_Click();
}

} // namespace vorlo
