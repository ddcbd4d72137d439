#pragma once

#include "CrescendoStages.h"
#include "MemoryBankSet.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

namespace vorlo {

class ConsoleListener;
class Dialogs;
class Memories;
class RecoveryWriter;
class RunState;
class StartupProblems;
struct ConsoleState;

// The free memories in banks, and the sequence of stored memories across them. The free
// memories 1..12 of the console are the shown bank's; switching bank keeps what they hold in
// their bank and shows the other bank's. Bank 1 is what the console always had: it starts
// empty and lives in the memory files. Banks 2..100 are kept in the banks file of the program
// folder, written on a thread of its own whenever one of them changes, so that a store never
// holds up the notes. The console starts on bank 1. The crescendo's stages are kept in the same
// file once the player changed one.
class MemoryBanks {
public:
    MemoryBanks(ConsoleState& state, ConsoleListener& listener, Memories& memories,
                Dialogs& dialogs, RunState& run, StartupProblems& problems);
    ~MemoryBanks();

    QString path() const;
    // Reads the banks file at the start. A file that cannot be read is moved aside (its name
    // gains ".damaged-" and the time) and told: gathered with the start-up's problems, or at
    // once; the banks then start empty.
    void load();
    // Shows bank b (1..100; anything else is ignored); the memories shown so far stay in their
    // bank. Sends nothing: the registration in force stays until a memory is recalled.
    void showBank(int bank);
    // The neighbouring bank, not past the first or the last.
    void stepBank(int step);
    // Recalls the next stored free memory after the one last recalled or stored, going on
    // into the following banks; previous() goes back. Past either end nothing happens.
    void next();
    void previous();
    // The shown free memories may have changed: they are kept in their bank, and the banks
    // file is written when a bank it keeps changed.
    void shownChanged();
    // Returns once the banks file on disk is what the last change asked for.
    void flush();
    const MemoryBankSet& banks() const { return banks_; }
    // The crescendo's stages, kept in the same file.
    const CrescendoStages& crescendoStages() const { return stages_; }
    // Stage n (1..20) takes the registration's crescendo fields, and the file is written.
    void storeCrescendoStage(int n, const Registration& r);

private:
    void keepShown();
    void recall(BankPlace place);
    void write();
    void tell(const QString& text, const QString& advice);
    void reportFailure(const QString& error);

    ConsoleState& state_;
    ConsoleListener& listener_;
    Memories& memories_;
    Dialogs& dialogs_;
    RunState& run_;
    StartupProblems& problems_;
    MemoryBankSet banks_;
    CrescendoStages stages_;
    QByteArray written_; // the banks file's contents as last read or written
    // Receives the writer's failure notices on the console's thread.
    QObject context_;
    std::unique_ptr<RecoveryWriter> writer_;
    bool failureTold_ = false;
    bool writable_ = true; // false while a damaged file could not be moved aside
};

} // namespace vorlo
