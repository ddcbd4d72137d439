#pragma once

#include <QByteArray>
#include <QString>

namespace vorlo {

class Console;

// Memory files (.sqs): the twelve free memories with the sound settings that go with them,
// and the file dialogs every file operation of the console uses.
class MemoryFile {
public:
    explicit MemoryFile(Console& console);

    void savefile_Click();
    void Loadfile_Click();

    // 0 when a file with the extension (".sqs", ".dat", ".syx"; any letter case) was chosen,
    // 1 otherwise (cancelled: nothing shown; another extension: "Unauthorized file").
    int Dialogo_Apri(const QString& title, const QString& extension, QString& fileName);
    int Dialogo_Salva(const QString& title, const QString& extension, QString& fileName);
    // The name of a file without its folder.
    static QString Estrae_nome(const QString& path);

private:
    Console& console_;
};

} // namespace vorlo
