// The settings file (vorlo2000.ini), as the player or another program may have left it: read,
// then one setting changed in place; the change must read back, whatever the file held.
#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

namespace {

bool putIni(const QTemporaryDir& dir, const uint8_t* data, size_t size) {
    QFile ini(QDir(dir.path()).filePath(QString::fromLatin1(vorlo::SettingsFile::FileName)));
    if (!ini.open(QIODevice::WriteOnly))
        return false;
    ini.write(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Read in one folder; changed in another, whose file the reader has not seen yet (it
    // keeps what it read of a file that is replaced within the same millisecond).
    QTemporaryDir readDir, dir;
    if (!readDir.isValid() || !dir.isValid() || !putIni(readDir, data, size) ||
        !putIni(dir, data, size))
        return 0;
    const vorlo::SettingsFile read(readDir.path());
    read.value(QStringLiteral("Synth/SoundFont"));
    read.value(QStringLiteral("Output/WireSpeed"), 31250);
    vorlo::SettingsFile settings(dir.path());
    if (!settings.setValue(QStringLiteral("Output/WireSpeed"), 9600))
        return 0;
    if (vorlo::SettingsFile(dir.path()).value(QStringLiteral("Output/WireSpeed")).toInt() != 9600)
        std::abort();
    return 0;
}
