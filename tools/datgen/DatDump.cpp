#include "DatDump.h"

#include "Cp1252.h"
#include "GsDescriber.h"
#include "SysexSequence.h"

#include <QRegularExpression>
#include <QStringList>
#include <vector>

namespace vorlo::datgen {

namespace {

constexpr int kBytesPerLine = 16;
constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
constexpr int kHexBase = 16;
const QString kIndent = QStringLiteral("  ");
const QString kEmpty = QStringLiteral("empty");
const QString kText = QStringLiteral("text");
const QString kSysex = QStringLiteral("sysex");
const QString kBytes = QStringLiteral("bytes");

// Bytes with no character in Windows-1252; they would not survive as text.
bool isUndefinedInCodePage(unsigned char b) {
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

bool isText(const QByteArray& e) {
    for (char c : e) {
        const auto b = static_cast<unsigned char>(c);
        if (b < kFirstPrintable || b == kDelete || isUndefinedInCodePage(b))
            return false;
    }
    return true;
}

// The entry cut into its F0..F7 messages; empty when it is not made of whole messages only.
std::vector<QByteArray> sysexMessages(const QByteArray& e) {
    std::vector<QByteArray> out;
    if (!SysexSequence::isComplete(e, SysexSequence::Inside::DataBytesOnly))
        return out;
    for (const QByteArrayView m : SysexSequence::split(e).pieces)
        out.push_back(m.toByteArray());
    return out;
}

QString hexBytes(const QByteArray& bytes) {
    QStringList parts;
    for (char c : bytes)
        parts << QStringLiteral("%1")
                     .arg(static_cast<unsigned char>(c), 2, kHexBase, QLatin1Char('0'))
                     .toUpper();
    return parts.join(QLatin1Char(' '));
}

QString quoted(const QByteArray& e) {
    QString s = cp1252::decode(e);
    s.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    s.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

bool fail(QString* error, int line, const QString& why) {
    if (error)
        *error = QStringLiteral("line %1: %2").arg(line).arg(why);
    return false;
}

bool unquote(const QString& s, QString* out) {
    if (s.size() < 2 || !s.startsWith(QLatin1Char('"')) || !s.endsWith(QLatin1Char('"')))
        return false;
    out->clear();
    for (qsizetype i = 1; i + 1 < s.size(); ++i) {
        QChar c = s[i];
        if (c == QLatin1Char('"'))
            return false;
        if (c == QLatin1Char('\\')) {
            if (i + 2 >= s.size())
                return false;
            c = s[++i];
            if (c != QLatin1Char('\\') && c != QLatin1Char('"'))
                return false;
        }
        out->append(c);
    }
    return true;
}

bool appendHex(const QString& line, QByteArray* bytes) {
    const QString data = line.section(QLatin1Char(';'), 0, 0);
    for (const QString& token : data.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const uint value = token.toUInt(&ok, kHexBase);
        if (!ok || token.size() != 2 || value > 0xFF)
            return false;
        bytes->append(static_cast<char>(value));
    }
    return true;
}

} // namespace

QString DatDump::toText(const StopTable& table, const QString& title) {
    QString out;
    out += QStringLiteral("# Vorlo2000 stops table: %1\n").arg(title);
    out += QStringLiteral("# entry <index> <length in bytes> <empty | text | sysex | bytes>; the "
                          "bytes of sysex and bytes\n# entries follow on indented lines, after ';' "
                          "a description. vorlo-datgen build reads this text back.\n");
    for (int n = 0; n < StopTable::kEntryCount; ++n) {
        const QByteArray& e = table[n];
        const QString head = QStringLiteral("entry %1 %2 ").arg(n).arg(e.size());
        if (e.isEmpty()) {
            out += head + kEmpty + QLatin1Char('\n');
            continue;
        }
        const auto messages = sysexMessages(e);
        if (!messages.empty()) {
            out += head + kSysex + QLatin1Char('\n');
            for (const QByteArray& m : messages)
                out += kIndent + hexBytes(m) + QStringLiteral("  ; ") + GsDescriber::describe(m) +
                       QLatin1Char('\n');
        } else if (isText(e)) {
            out += head + kText + QLatin1Char(' ') + quoted(e) + QLatin1Char('\n');
        } else {
            out += head + kBytes + QLatin1Char('\n');
            for (qsizetype i = 0; i < e.size(); i += kBytesPerLine)
                out += kIndent + hexBytes(e.mid(i, kBytesPerLine)) + QLatin1Char('\n');
        }
    }
    return out;
}

std::optional<StopTable> DatDump::fromText(const QString& text, QString* error) {
    static const QRegularExpression entryLine(
        QStringLiteral("^entry\\s+(\\d+)\\s+(\\d+)\\s+(empty|text|sysex|bytes)(?:\\s+(.*))?$"));
    auto bad = [error](int line, const QString& why) -> std::optional<StopTable> {
        fail(error, line, why);
        return std::nullopt;
    };
    StopTable table;
    std::vector<bool> seen(StopTable::kEntryCount, false);
    int open = -1; // the sysex or bytes entry whose lines are being read
    qsizetype openSize = 0;
    int openLine = 0;
    QByteArray bytes;
    // Ends the entry being read; false when its bytes do not match its length.
    auto close = [&]() {
        if (open < 0)
            return true;
        if (bytes.size() != openSize)
            return fail(error, openLine,
                        QStringLiteral("entry %1 says %2 bytes but has %3")
                            .arg(open)
                            .arg(openSize)
                            .arg(bytes.size()));
        table.set(open, bytes);
        open = -1;
        bytes.clear();
        return true;
    };

    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (line.front().isSpace()) {
            if (open < 0)
                return bad(lineNo, QStringLiteral("data outside a sysex or bytes entry"));
            if (!appendHex(trimmed, &bytes))
                return bad(lineNo, QStringLiteral("expected hexadecimal bytes"));
            continue;
        }
        if (!close())
            return std::nullopt;
        const auto m = entryLine.match(trimmed);
        if (!m.hasMatch())
            return bad(lineNo, QStringLiteral("expected \"entry <index> <length> <kind>\""));
        bool indexOk = false;
        bool sizeOk = false;
        const int index = m.captured(1).toInt(&indexOk);
        const qsizetype size = m.captured(2).toLongLong(&sizeOk);
        const QString kind = m.captured(3);
        const QString rest = m.captured(4).trimmed();
        if (!indexOk || !StopTable::isValidIndex(index))
            return bad(lineNo, QStringLiteral("no entry %1 in a stops table").arg(m.captured(1)));
        if (!sizeOk)
            return bad(lineNo, QStringLiteral("bad length"));
        if (seen[static_cast<size_t>(index)])
            return bad(lineNo, QStringLiteral("entry %1 appears twice").arg(index));
        seen[static_cast<size_t>(index)] = true;
        if (kind == kText) {
            QString name;
            if (!unquote(rest, &name))
                return bad(lineNo, QStringLiteral("expected a text in double quotes"));
            const QByteArray encoded = cp1252::encode(name);
            if (cp1252::decode(encoded) != name)
                return bad(lineNo, QStringLiteral("characters outside Windows-1252"));
            table.set(index, encoded);
        } else if (!rest.isEmpty()) {
            return bad(lineNo, QStringLiteral("unexpected \"%1\"").arg(rest));
        } else if (kind == kEmpty) {
            if (size != 0)
                return bad(lineNo, QStringLiteral("an empty entry has length 0"));
        } else {
            open = index;
            openSize = size;
            openLine = lineNo;
        }
    }
    if (!close())
        return std::nullopt;
    return table;
}

} // namespace vorlo::datgen
