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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTemporaryDir dir;
    if (!dir.isValid())
        return 0;
    QFile ini(QDir(dir.path()).filePath(QString::fromLatin1(vorlo::SettingsFile::FileName)));
    if (!ini.open(QIODevice::WriteOnly))
        return 0;
    ini.write(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ini.close();
    vorlo::SettingsFile settings(dir.path());
    settings.value(QStringLiteral("Synth/SoundFont"));
    settings.value(QStringLiteral("Output/WireSpeed"), 31250);
    if (!settings.setValue(QStringLiteral("Output/WireSpeed"), 9600))
        return 0;
    if (vorlo::SettingsFile(dir.path()).value(QStringLiteral("Output/WireSpeed")).toInt() != 9600)
        std::abort();
    return 0;
}
