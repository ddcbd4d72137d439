#pragma once

#include "ConsoleListener.h"

#include <cstdint>
#include <initializer_list>

namespace vorlo {

class ConsoleState;
struct Division;
enum class StopFamily;
class LevelSender;
class SettingsLists;
class SysexSender;

// The organ's settings that the Advanced window shows and a player or a device sets: division
// levels with their global coupling, family balances, the recall options, temperament and its
// start note, reverb, tremolo type and rate. Values are kept within the state's ranges here,
// sent, and announced so that any window can follow them.
class OrganSettings {
public:
    OrganSettings(ConsoleState& state, ConsoleListener& listener, LevelSender& levels,
                  SysexSender& sysex, SettingsLists& lists);

    // Sets a division's level (kept within kLevelMin..kLevelMax); under the global coupling its
    // followers take the same level. Every level moved is sent, the followers first.
    void applyLevel(const Division& d, int value);
    // The level as it stands in force for a division: the live level within its range.
    int levelInForce(const Division& d) const;
    // Sets and sends a manual's family balance (kept within kBalanceMin..kBalanceMax).
    void setBalance(const Division& d, StopFamily family, int value);
    // 0 none, 1 the manuals, 2 every division; any other value is ignored.
    void setGlobalCoupling(int coupling);
    // option 0 the levels (globals), 1 the balances, restored by a free memory's recall; the
    // value is 0 or 1, any other is ignored.
    void setRecallOption(int option, int value);
    // Each choice is sent again even when it is the one in force. An index past the list's
    // entries changes and sends nothing, nor does one below 0 (nothing chosen), except for the
    // start note, which then rebuilds the temperament as stored.
    void chooseTemperament(int index);
    void chooseTemperamentStart(int index);
    void chooseReverb(int index);
    void chooseTremoloType(int index);
    // Sets the tremolo rate (kept within the state's range) and sends both tremolos again.
    void setTremoloRate(int rate);
    // Rebuilds the 32 temperament messages from the chosen temperament and start note.
    void Calcola_Sysex_Temp();

    // Chooses an entry of one of the lists, as the four choose procedures do.
    void choose(SettingList list, int index);
    // Brings the stored entries in force, the lists in the order given: a list with entries
    // whose stored entry is not the one last chosen is chosen again, which sends it.
    void chooseStored(std::initializer_list<SettingList> order);
    // Sends the stored entries of these lists whatever was chosen before: for a module that
    // lost them.
    void sendStoredAgain(std::initializer_list<SettingList> order);
    const SettingsLists& lists() const { return lists_; }
    // The entry the state holds for a list.
    int stored(SettingList list) const;

    // How many entries a list offers: the names its list holds since the last stops table.
    int entries(SettingList list) const;

private:
    void sendTemperament();

    ConsoleState& state_;
    ConsoleListener& listener_;
    LevelSender& levels_;
    SysexSender& sysex_;
    SettingsLists& lists_;
};

} // namespace vorlo
