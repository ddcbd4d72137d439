#include "SettingsFile.h"

#include <QDir>
#include <QSettings>

namespace vorlo {

SettingsFile::SettingsFile(const QString& appDir) : path_(QDir(appDir).filePath(FileName)) {}

QVariant SettingsFile::value(const QString& key, const QVariant& defaultValue) const
{
    QSettings settings(path_, QSettings::IniFormat);
    return settings.value(key, defaultValue);
}

bool SettingsFile::setValue(const QString& key, const QVariant& value, QString* error)
{
    // QSettings writes through a temporary file renamed over the old one (atomic sync).
    QSettings settings(path_, QSettings::IniFormat);
    settings.setAtomicSyncRequired(true);
    settings.setValue(key, value);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    if (error)
        *error = settings.status() == QSettings::AccessError ? QStringLiteral("access denied")
                                                             : QStringLiteral("format error");
    return false;
}

} // namespace vorlo
