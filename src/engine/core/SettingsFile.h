#pragma once

#include <QString>
#include <QVariant>

namespace vorlo {

// The settings that the configuration file's fixed layout has no room for (the built-in
// synthesizer's sound font and audio driver, the output's wire speed …), kept in
// "vorlo2000.ini" beside the configuration file. Keys are "Section/name", one section per
// subsystem. A missing or unreadable file gives every key its default. Each change is written
// at once, the rest of the file (comments included) kept as it was, through SafeFile: a full
// or read-only disk leaves the old file whole.
class SettingsFile {
public:
    static constexpr const char* FileName = "vorlo2000.ini";

    explicit SettingsFile(const QString& appDir);

    QString path() const { return path_; }
    QVariant value(const QString& key, const QVariant& defaultValue = {}) const;
    // Stores a flag, a whole number or a text under "Section/name". Returns false (with the
    // reason in error) when the file could not be written; it is then unchanged.
    bool setValue(const QString& key, const QVariant& value, QString* error = nullptr);

private:
    // The file's bytes with the key set, as the settings reader will read them back.
    QByteArray readableWithValue(const QByteArray& old, const QString& key, const QVariant& value,
                                 const QByteArray& section, const QByteArray& name,
                                 const QByteArray& text) const;

    QString path_;
};

} // namespace vorlo
