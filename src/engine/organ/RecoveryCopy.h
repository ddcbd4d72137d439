#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace vorlo {

class Buffers;
class ConsoleState;
class Dialogs;
class MemoryFile;
class RunState;
class RecoveryWriter;
struct ConsoleState;

// A copy of the free memories and the temporary buffers in the program folder, kept while
// they hold a registration that no memory file holds, so that an unexpected end (a crash, a
// kill, a power cut) loses none of them. Its first 344 lines are a memory file of the twelve
// free memories (File > Open reads it like any other); the buffers follow, where a memory
// file's reader no longer looks. The copy is written on a thread of its own, never by the
// thread that plays. An orderly end removes it, unless the program was told to end without
// questions while free memories were unsaved; the next start then offers to restore it.
class RecoveryCopy {
public:
    static constexpr const char* FileName = "vorlo2000-recovery.sqs";
    // Where a copy that cannot be read is moved, so that it is not offered again.
    static constexpr const char* DamagedFileName = "vorlo2000-recovery-damaged.sqs";

    RecoveryCopy(ConsoleState& state, Dialogs& dialogs, RunState& run, Buffers& buffers,
                 MemoryFile& memoryFile);
    ~RecoveryCopy();

    QString path() const;
    // A free memory or a buffer changed, or the free memories were saved or discarded: the
    // copy is written while free memories are unsaved or a buffer is filled, and removed
    // otherwise. Nothing happens before the start-up has dealt with a copy left behind.
    void changed();
    // Told first whenever changed() is called: the memory banks keep the shown bank in step.
    std::function<void()> onChanged;
    // At the end of the program: the copy stays (and is complete on disk) when keep is true,
    // otherwise it goes.
    void endOfProgram(bool keep);
    // At the end of the start-up: a copy left behind by an unexpected end is offered to the
    // player. Yes loads it as File > Open does, with the buffers, and keeps the memories
    // marked unsaved; No removes it.
    void offerRestore();
    // Returns once the copy on disk is what the last change asked for.
    void flush();

    // The copy's contents: the memory file of the state, then a line with the filled buffers
    // (1 for S1, 2 for S2, 3 for both) and the 28 values of each buffer.
    static QByteArray serialize(const ConsoleState& st, bool buffer1Filled, bool buffer2Filled);
    // Reads the buffers back into slots 27 and 28 of the state; false (and nothing changed)
    // when the copy holds none or they are damaged. filled tells which were filled.
    static bool parseBuffers(const QByteArray& bytes, ConsoleState& st, bool filled[2]);

private:
    void reportFailure(const QString& error);
    void restore(const QByteArray& bytes);
    void setAside(const QString& why);

    ConsoleState& state_;
    Dialogs& dialogs_;
    RunState& run_;
    Buffers& buffers_;
    MemoryFile& memoryFile_;
    // Receives the writer's failure notices; gone with the copy, so none arrives after it.
    QObject context_;
    std::unique_ptr<RecoveryWriter> writer_;
    bool active_ = false;      // the start-up's offer is settled
    bool failureTold_ = false; // a failed write is told once per run
};

} // namespace vorlo
