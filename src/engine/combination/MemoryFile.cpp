// Placeholder: the implementation comes with its subsystem.
#include "MemoryFile.h"

namespace vorlo {

MemoryFile::MemoryFile(Console& console) : console_(console) {}

void MemoryFile::savefile_Click() {}
void MemoryFile::Loadfile_Click() {}
int MemoryFile::Dialogo_Apri(const QString& title, const QString& extension, QString& fileName) { return 1; }
int MemoryFile::Dialogo_Salva(const QString& title, const QString& extension, QString& fileName) { return 1; }
QString MemoryFile::Estrae_nome(const QString& path) { return {}; }

} // namespace vorlo
