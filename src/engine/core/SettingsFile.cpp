#include "SettingsFile.h"

#include "SafeFile.h"
#include "TextLines.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <map>

namespace vorlo {
namespace {

bool isPlainText(const QString& s) {
    if (s.isEmpty() || s.front() == QLatin1Char(' ') || s.back() == QLatin1Char(' '))
        return false;
    for (const QChar c : s) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                           QStringLiteral(" _.:+-/").contains(c);
        if (!plain)
            return false;
    }
    return true;
}

// The value as the settings reader reads it back: numbers and flags as they print, texts as
// they are when nothing in them has a meaning to the reader, otherwise in quotes with the
// backslash and the quote escaped. Returns false for a value of another kind.
bool valueText(const QVariant& value, QByteArray& out) {
    switch (value.typeId()) {
    case QMetaType::Bool:
        out = value.toBool() ? "true" : "false";
        return true;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        out = value.toString().toLatin1();
        return true;
    case QMetaType::QString: {
        QString s = value.toString();
        if (s.startsWith(QLatin1Char('@')))
            s.prepend(QLatin1Char('@'));
        if (isPlainText(s)) {
            out = s.toUtf8();
            return true;
        }
        s.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
        s.replace(QLatin1Char('"'), QStringLiteral("\\\""));
        if (s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r')))
            return false;
        out = '"' + s.toUtf8() + '"';
        return true;
    }
    default:
        return false;
    }
}

// The file's bytes with one key set: its line replaced where the section has it, otherwise
// added at the end of the section (a section that is missing is added at the end). Every
// other line stays as it was, comments included.
QByteArray withValue(const QByteArray& old, const QByteArray& section, const QByteArray& name,
                     const QByteArray& text) {
    const QByteArray eol = old.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    QList<QByteArray> lines = TextLines::split(old);
    const QByteArray line = name + '=' + text;
    qsizetype insertAt = -1; // after the last line of the section's first appearance
    bool inSection = false;
    bool first = false;
    bool replaced = false;
    for (qsizetype i = 0; i < lines.size() && !replaced; ++i) {
        const QByteArray t = lines[i].trimmed();
        if (t.startsWith('[') && t.endsWith(']')) {
            inSection = t.mid(1, t.size() - 2).trimmed() == section;
            first = inSection && insertAt < 0;
            if (first)
                insertAt = i + 1;
            continue;
        }
        if (!inSection || t.startsWith(';'))
            continue;
        const qsizetype eq = t.indexOf('=');
        if (eq > 0 && t.left(eq).trimmed() == name) {
            lines[i] = line;
            replaced = true;
        } else if (first && !t.isEmpty()) {
            insertAt = i + 1;
        }
    }
    if (!replaced && insertAt >= 0) {
        lines.insert(insertAt, line);
    } else if (!replaced) {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append('[' + section + ']');
        lines.append(line);
    }
    QByteArray out;
    for (const QByteArray& l : lines)
        out.append(l).append(eol);
    return out;
}

} // namespace

SettingsFile::SettingsFile(const QString& appDir) : path_(QDir(appDir).filePath(FileName)) {}

QVariant SettingsFile::value(const QString& key, const QVariant& defaultValue) const {
    QSettings settings(path_, QSettings::IniFormat);
    return settings.value(key, defaultValue);
}

bool SettingsFile::setValue(const QString& key, const QVariant& value, QString* error) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    const QByteArray section = key.left(slash).toLatin1();
    const QByteArray name = key.mid(slash + 1).toLatin1();
    QByteArray text;
    if (slash <= 0 || !isPlainText(key) || name.contains('/') || !valueText(value, text))
        return fail(QStringLiteral("%1 cannot be stored in the settings file").arg(key));

    QByteArray old;
    QFile file(path_);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return fail(file.errorString());
        old = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return fail(file.errorString());
        file.close();
    }
    // The file is written whole through a temporary file, checked on the disk before it
    // takes the old one's place, so a full or read-only disk leaves the old file as it was.
    return SafeFile::write(path_, readableWithValue(old, key, value, section, name, text), error);
}

QByteArray SettingsFile::readableWithValue(const QByteArray& old, const QString& key,
                                           const QVariant& value, const QByteArray& section,
                                           const QByteArray& name, const QByteArray& text) const {
    QByteArray edited = withValue(old, section, name, text);
    // A file damaged by hand (a quote left open, lines ended by a lone carriage return, bytes
    // that are no text) can read differently from the lines edited here. The edit is tried on
    // a copy first; when the reader does not find the new value in it, the file is written
    // afresh from every setting the reader could read in the old one, then edited.
    const QString check = path_ + QStringLiteral(".check");
    QFile::remove(check);
    QFile copy(check);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(edited) != edited.size())
        return edited;
    copy.close();
    bool readsBack = false;
    {
        const QSettings reader(check, QSettings::IniFormat);
        readsBack = reader.status() == QSettings::NoError &&
                    reader.value(key).toString() == value.toString();
    }
    QFile::remove(check);
    if (readsBack)
        return edited;
    std::map<QByteArray, QByteArray> sections;
    {
        QFile::remove(check);
        QFile original(check);
        if (original.open(QIODevice::WriteOnly) && original.write(old) == old.size()) {
            original.close();
            const QSettings reader(check, QSettings::IniFormat);
            for (const QString& k : reader.allKeys()) {
                const qsizetype at = k.indexOf(QLatin1Char('/'));
                QByteArray t;
                if (at <= 0 || !isPlainText(k) || k.indexOf(QLatin1Char('/'), at + 1) >= 0 ||
                    !valueText(reader.value(k), t))
                    continue;
                sections[k.left(at).toLatin1()] += k.mid(at + 1).toLatin1() + '=' + t + '\n';
            }
        }
        QFile::remove(check);
    }
    QByteArray fresh;
    for (const auto& [s, lines] : sections)
        fresh += (fresh.isEmpty() ? "" : "\n") + ('[' + s + "]\n") + lines;
    return withValue(fresh, section, name, text);
}

} // namespace vorlo
