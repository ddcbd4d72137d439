#include "GsDescriber.h"

#include "GsAddress.h"
#include "GsConstants.h"
#include "GsDataSet.h"
#include "GsMap.h"
#include "RolandChecksum.h"

#include <QStringList>
#include <array>

namespace vorlo::datgen {

namespace {

constexpr uint8_t kSourceMask = 0xF0;
constexpr uint8_t kDestinationMask = 0x0F;

const std::array<const char*, 12> kNotes = {"C",  "C#", "D",  "D#", "E",  "F",
                                            "F#", "G",  "G#", "A",  "A#", "B"};
const std::array<const char*, gs::ReverbMacroCount> kReverbMacros = {
    "Room 1", "Room 2", "Room 3", "Hall 1", "Hall 2", "Plate", "Delay", "Panning Delay"};
const std::array<const char*, 6> kSources = {"modulation",    "pitch bend", "channel pressure",
                                             "poly pressure", "CC1",        "CC2"};
const std::array<const char*, 11> kDestinations = {
    "pitch control",    "TVF cutoff control", "amplitude control", "LFO1 rate control",
    "LFO1 pitch depth", "LFO1 TVF depth",     "LFO1 TVA depth",    "LFO2 rate control",
    "LFO2 pitch depth", "LFO2 TVF depth",     "LFO2 TVA depth"};

QString hex(uint8_t b) {
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}

QString signedValue(int v) {
    return (v > 0 ? QStringLiteral("+") : QString()) + QString::number(v);
}

QString partName(uint8_t port, uint8_t block) {
    const int onPort = GsAddress::partOnPort(block);
    return QStringLiteral("part %1 (%2%3)")
        .arg(GsAddress::partOf(port, block))
        .arg(port == gs::PortB ? QLatin1Char('B') : QLatin1Char('A'))
        .arg(onPort, 2, 10, QLatin1Char('0'));
}

QString partParameter(uint8_t parameter, QByteArrayView data) {
    const int v = static_cast<unsigned char>(data[0]);
    switch (parameter) {
    case GsMap::kToneNumber:
        if (data.size() >= 2)
            return QStringLiteral("tone %1:%2").arg(v).arg(static_cast<unsigned char>(data[1]));
        break;
    case GsMap::kRxChannel:
        return v == GsMap::kRxChannelOff ? QStringLiteral("receive channel off")
                                         : QStringLiteral("receive channel %1").arg(v + 1);
    case GsMap::kRxVolume:
        return QStringLiteral("volume reception ") + (v ? "on" : "off");
    case GsMap::kUseForRhythmPart:
        return v ? QStringLiteral("rhythm part, map %1").arg(v) : QStringLiteral("normal part");
    case GsMap::kPitchKeyShift:
        return QStringLiteral("key shift ") + signedValue(v - GsMap::kCentre);
    case GsMap::kPartLevel:
        return QStringLiteral("level %1").arg(v);
    case GsMap::kVelocitySenseDepth:
        return QStringLiteral("velocity sense depth %1").arg(v);
    case GsMap::kVelocitySenseOffset:
        return QStringLiteral("velocity sense offset %1").arg(v);
    case GsMap::kPartPanpot:
        return QStringLiteral("pan %1").arg(v);
    case GsMap::kKeyRangeLow:
        return QStringLiteral("key range low %1").arg(v);
    case GsMap::kKeyRangeHigh:
        return QStringLiteral("key range high %1").arg(v);
    case GsMap::kCc1ControllerNumber:
        return QStringLiteral("CC1 = controller %1").arg(v);
    case GsMap::kReverbSendLevel:
        return QStringLiteral("reverb send %1").arg(v);
    case GsMap::kVibratoRate:
        return QStringLiteral("vibrato rate ") + signedValue(v - GsMap::kCentre);
    case GsMap::kVibratoDelay:
        return QStringLiteral("vibrato delay ") + signedValue(v - GsMap::kCentre);
    case GsMap::kScaleTuning: {
        QStringList notes;
        for (qsizetype i = 0; i < data.size() && i < qsizetype(kNotes.size()); ++i)
            notes << QStringLiteral("%1 %2").arg(
                QLatin1String(kNotes[static_cast<size_t>(i)]),
                signedValue(static_cast<unsigned char>(data[i]) - GsMap::kCentre));
        return QStringLiteral("scale tuning ") + notes.join(QLatin1Char(' '));
    }
    default:
        break;
    }
    return QStringLiteral("parameter %1 = %2").arg(hex(parameter)).arg(v);
}

} // namespace

QString GsDescriber::describe(QByteArrayView m) {
    if (!GsDataSet::hasHeader(m))
        return QStringLiteral("not a GS data set");
    const QString checksum =
        RolandChecksum::isValidDataSet(m) ? QString() : QStringLiteral(" (WRONG CHECKSUM)");
    const auto port = static_cast<uint8_t>(m[gs::AddressAt]);
    const auto block = static_cast<uint8_t>(m[gs::AddressAt + 1]);
    const auto parameter = static_cast<uint8_t>(m[gs::AddressAt + 2]);
    // The data bytes, between the address and the checksum.
    const QByteArrayView data = m.sliced(gs::DataAt, m.size() - gs::DataAt - 2);
    const int first = static_cast<unsigned char>(data[0]);
    const bool partPort = port == gs::PortA || port == gs::PortB;

    QString what;
    if (port == gs::PortA && block == gs::SystemBlock && parameter == gs::GsReset)
        what = QStringLiteral("GS reset");
    else if (port == gs::PortA && block == gs::EffectBlock && parameter == gs::ReverbMacro)
        what = QStringLiteral("reverb macro %1").arg(first) +
               (first < gs::ReverbMacroCount ? QStringLiteral(" (%1)").arg(QLatin1String(
                                                   kReverbMacros[static_cast<size_t>(first)]))
                                             : QString());
    else if (partPort && (block & gs::BlockKindMask) == gs::PartParameterBlock)
        what = partName(port, block) + QLatin1Char(' ') + partParameter(parameter, data);
    else if (partPort && (block & gs::BlockKindMask) == gs::ControllerBlock) {
        const size_t source = (parameter & kSourceMask) >> 4;
        const size_t destination = parameter & kDestinationMask;
        what = partName(port, block) + QLatin1Char(' ');
        if (source < kSources.size() && destination < kDestinations.size())
            what +=
                QStringLiteral("%1 %2 %3")
                    .arg(QLatin1String(kSources[source]), QLatin1String(kDestinations[destination]))
                    .arg(first);
        else
            what += QStringLiteral("controller parameter %1 = %2").arg(hex(parameter)).arg(first);
    } else
        what = QStringLiteral("address %1 %2 %3").arg(hex(port), hex(block), hex(parameter));
    return what + checksum;
}

} // namespace vorlo::datgen
