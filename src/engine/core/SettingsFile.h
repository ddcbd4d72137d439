#pragma once

#include <QString>
#include <QVariant>

namespace vorlo {

// The settings that the configuration file's fixed layout has no room for (the built-in
// synthesizer's sound font and audio driver, the output's wire speed …), kept in
// "vorlo2000.ini" beside the configuration file. Keys are "Section/name", one section per
// subsystem. A missing or unreadable file gives every key its default; each change is written
// at once through a temporary file, so a failed write never leaves half a file behind.
class SettingsFile {
public:
    static constexpr const char* FileName = "vorlo2000.ini";

    explicit SettingsFile(const QString& appDir);

    QString path() const { return path_; }
    QVariant value(const QString& key, const QVariant& defaultValue = {}) const;
    // Returns false (with the reason in error) when the file could not be written.
    bool setValue(const QString& key, const QVariant& value, QString* error = nullptr);

private:
    QString path_;
};

} // namespace vorlo
