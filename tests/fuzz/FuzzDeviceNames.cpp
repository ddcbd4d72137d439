// Device names as a MIDI system may report them (any bytes, any length) and as the settings
// file may hold the one the player chose: the first line is the wanted name, the others the
// list. Whatever they hold, the device found is one of the list, and an exact name is found
// exactly.
#include "DeviceNameMatch.h"

#include <QByteArray>
#include <QStringList>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> lines = bytes.split('\n');
    const QString wanted = QString::fromUtf8(lines.front());
    QStringList names;
    for (qsizetype i = 1; i < lines.size(); ++i)
        names.append(QString::fromUtf8(lines[i]));
    const int count = static_cast<int>(names.size());
    const int preferred = size > 0 ? data[0] % (count + 1) : 0;
    const vorlo::DeviceNameMatch::Found f =
        vorlo::DeviceNameMatch::find(names, count, wanted, preferred);
    if (f.index < -1 || f.index >= count)
        std::abort();
    const bool listed = !wanted.isEmpty() && names.contains(wanted);
    if (listed != (f.how == vorlo::DeviceNameMatch::How::Exact))
        std::abort();
    if (f.index >= 0 && f.how == vorlo::DeviceNameMatch::How::Exact && names[f.index] != wanted)
        std::abort();
    vorlo::DeviceNameMatch::withoutChangingParts(wanted);
    return 0;
}
