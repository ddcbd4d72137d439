#include "ModuleModel.h"

#include <algorithm>

namespace {

constexpr int kPartsPerPort = 16;
constexpr int kRhythmPartOnPort = 10;
constexpr int kCentre = 64;
constexpr int kTopValue = 127;
constexpr int kLowestOrganKey = 24;
constexpr int kHighestOrganKey = 103;
constexpr int kSoftestTouch = 1;

// Part parameters, 40 1x yy.
enum PartParameter {
    ToneNumber = 0x00,
    RxChannel = 0x02,
    RxVolume = 0x0C,
    UseForRhythm = 0x15,
    KeyShift = 0x16,
    Level = 0x19,
    VelocityDepth = 0x1A,
    VelocityOffset = 0x1B,
    Pan = 0x1C,
    KeyLow = 0x1D,
    KeyHigh = 0x1E,
    Cc1Controller = 0x1F,
    ReverbSend = 0x22,
    VibratoRate = 0x30,
    VibratoDelay = 0x37,
};
// Controller destinations, 40 2x yy.
enum ControllerDestination {
    ModLfo1Rate = 0x03,
    ModLfo1Pitch = 0x04,
    ModLfo1Tva = 0x06,
    Cc1Amplitude = 0x42,
};

// 40 00 7F: GS reset.
constexpr int kSystemAddress[3] = {0x40, 0x00, 0x7F};

bool isGsReset(const GsMessage& m) {
    return m.address[0] == kSystemAddress[0] && m.address[1] == kSystemAddress[1] &&
           m.address[2] == kSystemAddress[2];
}

} // namespace

void ModuleModel::reset() {
    for (int n = 1; n <= kParts; ++n) {
        Part p;
        const int onPort = (n - 1) % kPartsPerPort + 1;
        p.rxChannel = onPort - 1;
        p.rhythm = onPort == kRhythmPartOnPort;
        parts_[static_cast<size_t>(n - 1)] = p;
    }
}

std::set<int> ModuleModel::apply(const QByteArray& entry) {
    std::set<int> touched;
    const auto messages = GsMessage::split(entry);
    if (!messages)
        return touched;
    for (const QByteArray& bytes : *messages) {
        const auto m = GsMessage::parse(bytes);
        if (!m || !m->checksumOk)
            continue;
        if (isGsReset(*m)) {
            reset();
            continue;
        }
        const int n = m->part();
        if (n == 0)
            continue;
        touched.insert(n);
        Part& p = parts_[static_cast<size_t>(n - 1)];
        const int v = m->value();
        if (m->isControllerDestination()) {
            switch (m->parameter()) {
            case ModLfo1Rate:
                p.modRateControl = v;
                break;
            case ModLfo1Pitch:
                p.modPitchDepth = v;
                break;
            case ModLfo1Tva:
                p.modTvaDepth = v;
                break;
            case Cc1Amplitude:
                p.cc1Amplitude = v;
                break;
            default:
                break;
            }
            continue;
        }
        switch (m->parameter()) {
        case ToneNumber:
            if (m->data.size() >= 2) {
                p.variation = v;
                p.program = static_cast<unsigned char>(m->data[1]);
            }
            break;
        case RxChannel:
            p.rxChannel = v;
            break;
        case RxVolume:
            p.rxVolume = v != 0;
            break;
        case UseForRhythm:
            p.rhythm = v != 0;
            break;
        case KeyShift:
            p.keyShift = v - kCentre;
            break;
        case Level:
            p.level = v;
            break;
        case VelocityDepth:
            p.velocityDepth = v;
            break;
        case VelocityOffset:
            p.velocityOffset = v;
            break;
        case Pan:
            p.pan = v;
            break;
        case KeyLow:
            p.keyLow = v;
            break;
        case KeyHigh:
            p.keyHigh = v;
            break;
        case Cc1Controller:
            p.cc1Controller = v;
            break;
        case ReverbSend:
            p.reverbSend = v;
            break;
        case VibratoRate:
            p.vibratoRate = v;
            break;
        case VibratoDelay:
            p.vibratoDelay = v;
            break;
        default:
            break;
        }
    }
    return touched;
}

int ModuleModel::velocity(int n, int struck) const {
    const Part& p = part(n);
    const int v = p.velocityDepth * struck / kCentre + (p.velocityOffset - kCentre) * 2;
    return std::clamp(v, 0, kTopValue);
}

bool ModuleModel::sounds(int n) const {
    const Part& p = part(n);
    const bool keys =
        p.keyLow <= p.keyHigh && p.keyLow <= kHighestOrganKey && p.keyHigh >= kLowestOrganKey;
    const bool touch = velocity(n, kSoftestTouch) > 0 || velocity(n, kTopValue) > 0;
    return keys && touch && p.level > 0 && p.rxChannel != kChannelOff;
}

double ModuleModel::cc1Gain(int n, int controllerValue) const {
    const double depth = (part(n).cc1Amplitude - kCentre) / double(kCentre);
    return std::clamp(1.0 + depth * controllerValue / kTopValue, 0.0, 1.0);
}
