#include "DeviceNameMatch.h"

#include <QRegularExpression>
#include <algorithm>

namespace vorlo {

QString DeviceNameMatch::withoutChangingParts(const QString& name) {
    // ALSA's "client:port" numbers at the end of a sequencer port's name.
    static const QRegularExpression alsaAddress(QStringLiteral("\\s+\\d+:\\d+\\s*$"));
    // The client id JACK's ALSA bridge puts in brackets.
    static const QRegularExpression bracketedId(QStringLiteral("\\s*\\[\\d+\\]"));
    // The number JACK adds to a client name that was taken ("keyboard-01:out").
    static const QRegularExpression clientNumber(QStringLiteral("-\\d+(?=:)"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QString s = name;
    s.remove(alsaAddress);
    s.remove(bracketedId);
    s.remove(clientNumber);
    s.replace(blanks, QStringLiteral(" "));
    return s.trimmed();
}

DeviceNameMatch::Found DeviceNameMatch::find(const QStringList& names, int count,
                                             const QString& wanted, int preferred) {
    const int n = std::min(count, static_cast<int>(names.size()));
    if (wanted.isEmpty())
        return {};
    for (int i = 0; i < n; ++i)
        if (names[i] == wanted)
            return {i, How::Exact};
    const QString key = withoutChangingParts(wanted);
    if (key.isEmpty())
        return {};
    Found found;
    for (int i = 0; i < n; ++i) {
        if (withoutChangingParts(names[i]).compare(key, Qt::CaseInsensitive) != 0)
            continue;
        if (found.index < 0 || i == preferred)
            found = {i, How::Loose};
        if (i == preferred)
            break;
    }
    return found;
}

} // namespace vorlo
