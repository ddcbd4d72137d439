#pragma once

#include <QByteArray>
#include <QString>

namespace vorlo {

class Console;
struct ConsoleState;

// Memory files (.sqs): the twelve free memories with the sound settings that go with them,
// and the file dialogs every file operation of the console uses.
class MemoryFile {
public:
    static constexpr int kLineCount = 344;

    explicit MemoryFile(Console& console);

    void savefile_Click();
    void Loadfile_Click();

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
    // Reads a memory file into the state, field by field, limiting the values as it goes.
    // Stops at the first bad field and returns false; what was read before stays in place.
    static bool parse(const QByteArray& bytes, ConsoleState& st);

private:
    int checkExtension(const QString& chosen, const QString& extension, QString& fileName);
    void failLoad();

    Console& console_;
};

} // namespace vorlo
