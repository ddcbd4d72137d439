#pragma once

#include "StopTable.h"

#include <QString>

namespace vorlo {

// What a stops table read from a file holds that the console can play: the one judgement the
// console's loader and the editor share before a table replaces the one in use.
//
// A table is usable when at least one data entry (a global message, a stop, a mute or restore
// message) holds complete F0 ... F7 messages; one without any is refused whole. A usable table
// is whole when the file held all 431 entries and no data entry holds bytes that the module
// cannot be sent; otherwise the player is told, or asked, before it is taken.
class StopTableCheck {
public:
    // entriesRead: how many entries the file held whole (all of them unless it ended early).
    explicit StopTableCheck(const StopTable& table, int entriesRead = StopTable::kEntryCount);

    // True for the entries that hold system-exclusive data rather than text.
    static bool isDataEntry(int entry);

    int entriesRead() const { return entriesRead_; }
    // Data entries holding complete F0 ... F7 messages.
    int playableEntries() const { return playable_; }
    // Data entries holding bytes that are not complete F0 ... F7 messages.
    int unsendableEntries() const { return unsendable_; }

    bool isUsable() const { return playable_ > 0; }
    bool isShort() const { return entriesRead_ < StopTable::kEntryCount; }
    bool isWhole() const { return !isShort() && unsendable_ == 0; }

    // What is wrong with a table that is not whole, in the player's words; empty when whole.
    QString flaws() const;
    // The sentence of flaws() about the entries the module cannot be sent.
    QString unsendableText() const;

private:
    int entriesRead_;
    int playable_ = 0;
    int unsendable_ = 0;
};

} // namespace vorlo
