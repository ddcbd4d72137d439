#include "OrganSettings.h"

#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "Division.h"
#include "LevelSender.h"
#include "RegistrationChange.h"
#include "SettingsLists.h"
#include "SysexSender.h"
#include "TemperamentBuilder.h"

#include <algorithm>

namespace vorlo {

OrganSettings::OrganSettings(ConsoleState& state, ConsoleListener& listener, LevelSender& levels,
                             SysexSender& sysex, SettingsLists& lists)
    : state_(state), listener_(listener), levels_(levels), sysex_(sysex), lists_(lists) {}

// --- Division levels, with the global coupling ---
// Followers take the level and are sent; their own coupling does not apply.

void OrganSettings::applyLevel(const Division& d, int value) {
    ConsoleState& st = state_;
    const auto v = static_cast<int16_t>(std::clamp(value, kLevelMin, kLevelMax));
    st.live().*d.level = v;
    listener_.levelShown(d.id, v);
    const std::initializer_list<DivisionId> none;
    const std::initializer_list<DivisionId>& followers = st.GlobalCoupling == 1   ? d.followManuals
                                                         : st.GlobalCoupling == 2 ? d.followAll
                                                                                  : none;
    for (DivisionId id : followers) {
        st.live().*division(id).level = v;
        listener_.levelShown(id, v);
    }
    for (DivisionId id : followers)
        levels_.sendLevel(division(id));
    levels_.sendLevel(d);
    registrationChanged(state_, listener_);
}

int OrganSettings::levelInForce(const Division& d) const {
    return std::clamp<int>(state_.live().*d.level, kLevelMin, kLevelMax);
}

// --- Balances: never coupled ---

void OrganSettings::setBalance(const Division& d, StopFamily family, int value) {
    int16_t Registration::*field = d.balance[static_cast<size_t>(family)];
    if (!field)
        return; // the Pedal has no balances
    const auto v = static_cast<int16_t>(std::clamp(value, kBalanceMin, kBalanceMax));
    state_.live().*field = v;
    listener_.balanceShown(d.id, family, v);
    levels_.sendBalance(d, family);
    registrationChanged(state_, listener_);
}

void OrganSettings::setGlobalCoupling(int coupling) {
    if (coupling < 0 || coupling > 2)
        return;
    state_.GlobalCoupling = static_cast<int16_t>(coupling);
    listener_.globalCouplingShown(coupling);
}

void OrganSettings::setRecallOption(int option, int value) {
    if (value != 0 && value != 1)
        return;
    if (option == 0)
        state_.RecallGlobals = static_cast<int16_t>(value);
    else if (option == 1)
        state_.RecallBalance = static_cast<int16_t>(value);
    else
        return;
    listener_.recallOptionShown(option, value);
}

// --- Temperament, reverb, tremolo ---

void OrganSettings::Calcola_Sysex_Temp() {
    ConsoleState& st = state_;
    TemperamentBuilder::build(st.Table[st.Temperament + StopTable::kTemperamentFirst],
                              st.TemperamentStart, st.SysexTemp);
}

void OrganSettings::sendTemperament() {
    Calcola_Sysex_Temp();
    for (int p = 1; p <= 32; ++p)
        sysex_.Sysex_Temp_sending(p);
}

void OrganSettings::chooseTemperament(int index) {
    if (index < 0 || index >= entries(SettingList::Temperament))
        return;
    state_.Temperament = static_cast<int16_t>(index);
    lists_.setChosen(SettingList::Temperament, index);
    listener_.settingChosen(SettingList::Temperament, index);
    sendTemperament();
}

void OrganSettings::chooseTemperamentStart(int index) {
    if (index >= entries(SettingList::TemperamentStart))
        return;
    state_.TemperamentStart = static_cast<int16_t>(index);
    lists_.setChosen(SettingList::TemperamentStart, index);
    listener_.settingChosen(SettingList::TemperamentStart, index);
    sendTemperament();
}

void OrganSettings::chooseReverb(int index) {
    if (index < 0 || index >= entries(SettingList::Reverb))
        return;
    state_.ReverbType = static_cast<int16_t>(index);
    lists_.setChosen(SettingList::Reverb, index);
    listener_.settingChosen(SettingList::Reverb, index);
    sysex_.Sysex_Sending(index + StopTable::kReverbFirst);
}

void OrganSettings::chooseTremoloType(int index) {
    if (index < 0 || index >= entries(SettingList::TremoloType))
        return;
    state_.TremoloType = static_cast<int16_t>(index);
    lists_.setChosen(SettingList::TremoloType, index);
    listener_.settingChosen(SettingList::TremoloType, index);
    const int first = index == 0 ? StopTable::kTremoloDouxFirst : StopTable::kTremoloFortFirst;
    sysex_.Sysex_Sending(first);
    sysex_.Sysex_Sending(first + 1);
}

void OrganSettings::setTremoloRate(int rate) {
    ConsoleState& st = state_;
    st.TremoloRate = static_cast<int16_t>(
        std::clamp(rate, ConsoleSettings::kTremoloRateMin, ConsoleSettings::kTremoloRateMax));
    listener_.tremoloRateShown(st.TremoloRate);
    for (DivisionId id : {DivisionId::Great, DivisionId::Swell}) {
        const Division& d = division(id);
        levels_.sendTremulant(d, st.live().*d.tremulant);
    }
}

void OrganSettings::choose(SettingList list, int index) {
    switch (list) {
    case SettingList::Temperament:
        chooseTemperament(index);
        break;
    case SettingList::TemperamentStart:
        chooseTemperamentStart(index);
        break;
    case SettingList::Reverb:
        chooseReverb(index);
        break;
    case SettingList::TremoloType:
        chooseTremoloType(index);
        break;
    }
}

void OrganSettings::chooseStored(std::initializer_list<SettingList> order) {
    for (SettingList list : order) {
        if (entries(list) > 0 && stored(list) != lists_.chosen(list))
            choose(list, stored(list));
    }
}

void OrganSettings::sendStoredAgain(std::initializer_list<SettingList> order) {
    for (SettingList list : order)
        lists_.setChosen(list, -1);
    chooseStored(order);
}

int OrganSettings::stored(SettingList list) const {
    const ConsoleState& st = state_;
    switch (list) {
    case SettingList::Temperament:
        return st.Temperament;
    case SettingList::TemperamentStart:
        return st.TemperamentStart;
    case SettingList::Reverb:
        return st.ReverbType;
    case SettingList::TremoloType:
        return st.TremoloType;
    }
    return 0;
}

int OrganSettings::entries(SettingList list) const {
    switch (list) {
    case SettingList::Temperament:
        return static_cast<int>(lists_.temperaments().size());
    case SettingList::TemperamentStart:
        return static_cast<int>(lists_.startNotes().size());
    case SettingList::Reverb:
        return static_cast<int>(lists_.reverbs().size());
    case SettingList::TremoloType:
        return static_cast<int>(lists_.tremoloTypes().size());
    }
    return 0;
}

} // namespace vorlo
