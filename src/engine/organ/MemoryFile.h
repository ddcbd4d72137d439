#pragma once

#include "ConsoleSlots.h"

#include <QByteArray>
#include <QString>

namespace vorlo {

class ConsoleListener;
class ConsoleReset;
class ConsoleState;
class Dialogs;
class Memories;
class RecoveryCopy;
class RunState;
class OrganSettings;

// Memory files (.sqs): the twelve free memories with the sound settings that go with them,
// and the file dialogs every file operation of the console uses.
class MemoryFile {
public:
    static constexpr int kLineCount = 344;

    // What a memory file holds, read and limited but not yet applied to the console.
    struct Contents {
        int16_t Temperament = 0;
        int16_t TremoloRate = 0;
        int16_t TremoloType = 0;
        int16_t ReverbType = 0;
        int16_t MemoryLabelMode = 0;
        int16_t TemperamentStart = 0;
        ConsoleSlots memories; // slots 1..12 only
        // Where the four list settings stand in the file, for the player's message.
        int temperamentLine = 0;
        int tremoloTypeLine = 0;
        int reverbLine = 0;
        int startNoteLine = 0;
    };
    // Why a file was refused: the line (0 when the file could not be read at all) and what is
    // wrong there.
    struct Problem {
        int line = 0;
        QString what;
    };

    MemoryFile(ConsoleState& state, Dialogs& dialogs, RunState& run, ConsoleListener& events,
               ConsoleReset& reset, Memories& memories, RecoveryCopy& recovery,
               OrganSettings& settings);

    // Writes the free memories and their settings to path; the player is told when the file
    // could not be written, and nothing counts as saved then.
    bool saveMemories(const QString& path);
    // Reads the memory file at path and loads it (see load); the memories' lights go out
    // first. False when the file could not be read or was refused.
    bool loadMemories(const QString& path);
    // Loads a memory file's bytes once the player has chosen it: checks every field and list
    // index first, and applies nothing of a file that fails (the player is told why and
    // where); then announces the settings (their selection sends them), resets the console and
    // recalls free memory 1. False when the file was refused or the console ended meanwhile.
    bool load(const QByteArray& bytes, const QString& fileName);

    // 0 when a file with the extension (".sqs", ".dat", ".syx"; any letter case) was chosen,
    // 1 otherwise (cancelled: nothing shown and fileName unchanged; another extension:
    // "Unauthorized file").
    int Dialogo_Apri(const QString& title, const QString& extension, QString& fileName);
    int Dialogo_Salva(const QString& title, const QString& extension, QString& fileName);
    // The name of a file without its folder: the text after the last backslash or the last
    // separator of the platform.
    static QString Estrae_nome(const QString& path);

    // The 344 lines of a memory file for the current state.
    static QByteArray serialize(const ConsoleState& st);
    // Reads a memory file, limiting each memory's values as the file format prescribes.
    // Lines after the last are ignored. False at the first field that is missing or not a
    // 16-bit number; problem then says where.
    static bool parse(const QByteArray& bytes, Contents& out, Problem* problem = nullptr);
    // The file's settings and free memories into the state (nothing is sent).
    static void apply(const Contents& in, ConsoleState& st);
    // parse, then apply when the whole file was read; a file that fails changes nothing.
    static bool parse(const QByteArray& bytes, ConsoleState& st);

private:
    int checkExtension(const QString& chosen, const QString& extension, QString& fileName);
    // The list index that the Advanced window's list cannot take, if any.
    bool checkLists(const Contents& in, Problem& problem);
    void failLoad(const QString& fileName, const Problem& problem);

    ConsoleState& state_;
    Dialogs& dialogs_;
    RunState& run_;
    ConsoleListener& events_;
    ConsoleReset& reset_;
    Memories& memories_;
    RecoveryCopy& recovery_;
    OrganSettings& settings_;
};

} // namespace vorlo
