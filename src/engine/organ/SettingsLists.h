#pragma once

#include "ConsoleListener.h"

#include <QStringList>
#include <array>

namespace vorlo {

class StopTable;

// The names the Advanced window's four lists offer: temperaments and reverbs from the stops
// table, the twelve start notes and the two tremolo types. Empty until filled; an index a
// list cannot take is refused by whoever selects it.
class SettingsLists {
public:
    // The name columns of the stops table that feed the lists.
    static constexpr int kTemperamentCount = 12; // entries 300..311
    static constexpr int kReverbCount = 8;       // entries 312..319

    // Takes the names of a table. A first name of at least 2 characters starts a column's
    // list, which takes names while they are at least 4 characters long; a shorter first name
    // gives six blank items. The scan stops at the end of its column rather than running into
    // the texts that follow it in the table.
    void fill(const StopTable& table);

    const QStringList& temperaments() const { return temperaments_; }
    const QStringList& reverbs() const { return reverbs_; }
    const QStringList& startNotes() const { return startNotes_; }
    const QStringList& tremoloTypes() const { return tremoloTypes_; }

    // The entry last chosen in a list (-1: none since the list was filled), which is what the
    // module has for that setting: choosing it again only needs sending when it differs.
    int chosen(SettingList list) const { return chosen_[static_cast<size_t>(list)]; }
    void setChosen(SettingList list, int index) { chosen_[static_cast<size_t>(list)] = index; }

private:
    QStringList temperaments_;
    QStringList reverbs_;
    QStringList startNotes_;
    QStringList tremoloTypes_;
    std::array<int, 4> chosen_{-1, -1, -1, -1};
};

} // namespace vorlo
