#include "StopTableCheck.h"

#include "SyxData.h"

#include <QStringList>

namespace vorlo {
namespace {

// The stops' data: global messages, then Fondi, Mutazioni and Ance/Archi (Great and Swell
// copies) and Pedale, up to the first name entry.
constexpr int kLastStopData = StopTable::kFondiNames - 1;

} // namespace

StopTableCheck::StopTableCheck(const StopTable& table, int entriesRead)
    : entriesRead_(entriesRead) {
    for (int n = 0; n < StopTable::kEntryCount; ++n) {
        const QByteArray& data = table[n];
        if (!isDataEntry(n) || data.isEmpty())
            continue;
        if (SyxData::isMessageSequence(data))
            ++playable_;
        else
            ++unsendable_;
    }
}

bool StopTableCheck::isDataEntry(int entry) {
    return (entry >= StopTable::kGlobalFirst && entry <= kLastStopData) ||
           (entry >= StopTable::kGreatMuteAncie && entry <= StopTable::kSwellRestoreMutazioni);
}

QString StopTableCheck::flaws() const {
    QStringList parts;
    if (isShort())
        parts << QStringLiteral("The file ends early: only %1 of its %2 entries were read whole, "
                                "and the entries after them are empty.")
                     .arg(entriesRead_)
                     .arg(StopTable::kEntryCount);
    if (unsendable_ > 0)
        parts << unsendableText();
    return parts.join(QLatin1Char(' '));
}

QString StopTableCheck::unsendableText() const {
    return QStringLiteral("%1 of its stop and global entries hold data that is not complete "
                          "F0..F7 messages; the module cannot be sent them.")
        .arg(unsendable_);
}

} // namespace vorlo
