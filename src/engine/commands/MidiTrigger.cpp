#include "MidiTrigger.h"

namespace vorlo {
namespace {

// C4 is key 60, as organ and module makers number the octaves.
QString keyName(int key) {
    static const char* const kNames[] = {"C",  "C#", "D",  "D#", "E",  "F",
                                         "F#", "G",  "G#", "A",  "A#", "B"};
    return QStringLiteral("%1%2").arg(QLatin1String(kNames[key % 12])).arg(key / 12 - 1);
}

} // namespace

QString MidiTrigger::describe() const {
    QString what;
    switch (type) {
    case Type::Note:
        what = QStringLiteral("key %1 (%2)").arg(keyName(number)).arg(number);
        break;
    case Type::Controller:
        what = QStringLiteral("controller %1").arg(number);
        break;
    case Type::Program:
        what = QStringLiteral("program %1").arg(number + 1);
        break;
    }
    return QStringLiteral("Keyboard %1, %2, channel %3").arg(input).arg(what).arg(channel + 1);
}

} // namespace vorlo
