#include "GsModule.h"

#include "GsAddress.h"
#include "GsConstants.h"
#include "GsDataSet.h"
#include "MidiConstants.h"
#include "SynthCore.h"
#include "SysexSequence.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <fluidsynth.h>
#include <utility>

namespace vorlo {
namespace {

constexpr uint8_t kDataByte = 0x7F;

// Controllers a GS part receives.
constexpr int kBankSelect = 0;
constexpr int kPan = 10;
constexpr int kReverbSendCc = 91;
constexpr int kAllSoundOff = 120;
constexpr int kResetAllControllers = 121;
constexpr int kLastAssignable = 95; // the CC1 controller number reaches 0..95
constexpr int kTop = 127;

// FluidSynth attenuation reaches 144 dB: a part at gain 0 is silent.
constexpr float kSilentCentibels = 1440.0f;
// GS LFO1: the rate control spans ±10 Hz, the pitch depth 600 cents, the amplitude depth 100 %.
constexpr double kBaseLfoHz = 5.5;
constexpr double kLfoRateSpanHz = 10.0;
constexpr double kLfoPitchSpanCents = 600.0;
// FluidSynth's modulation LFO frequency is in cents above 8.176 Hz.
constexpr double kLfoReferenceHz = 8.176;
// The tremulant starts with the note: FluidSynth's shortest LFO delay (1 ms), in timecents.
constexpr float kNoDelayTimecents = -12000.0f;
// FluidSynth clamps a voice's level at its peak, so an LFO swinging the amplitude up from the
// peak is cut off. Every voice therefore sustains kTremulantHeadroomCb below its peak (3 dB,
// room for the deepest tremulant of the default organ: 48 %, ±2.8 dB) and the synthesizer's
// gain gives the 3 dB back. Deeper tremulants are limited to the headroom.
constexpr float kTremulantHeadroomCb = 30.0f;
// The volume envelope's sustain generator is in tenths of a per cent of FluidSynth's 96 dB
// range: 1000 units = 960 cB.
constexpr float kSustainUnitsPerCentibel = 1000.0f / 960.0f;
const double kHeadroomGain = std::pow(10.0, kTremulantHeadroomCb / 200.0);
// The tone's own vibrato offsets (-64..+63): rate and depth in cents, delay in timecents.
constexpr float kVibratoRateCents = 10.0f;
constexpr float kVibratoDepthCents = 1.0f;
constexpr float kVibratoDelayTimecents = 100.0f;
constexpr double kToNearestCent = 0.5;
// Reverb send 0..127 as FluidSynth's 0..100 % (in tenths).
constexpr float kReverbSendScale = 1000.0f / kTop;

// The eight GS reverb macros as FluidSynth's reverb: room size, damping, width, level.
struct ReverbShape {
    double room, damp, width, level;
};
constexpr ReverbShape kReverbMacros[8] = {
    {0.30, 0.60, 0.6, 0.35}, // Room 1
    {0.45, 0.50, 0.7, 0.40}, // Room 2
    {0.60, 0.45, 0.8, 0.45}, // Room 3
    {0.75, 0.35, 0.9, 0.50}, // Hall 1
    {0.88, 0.30, 1.0, 0.55}, // Hall 2
    {0.65, 0.10, 1.0, 0.50}, // Plate
    {0.40, 0.80, 0.5, 0.35}, // Delay: FluidSynth has no delay line, a short room instead
    {0.40, 0.80, 1.0, 0.35}, // Panning Delay: likewise, wide
};

float centibelsOf(double gain) {
    if (gain <= 0.0)
        return kSilentCentibels;
    return std::min(kSilentCentibels, static_cast<float>(-200.0 * std::log10(gain)));
}

} // namespace

GsModule::GsModule(SynthCore& core, const QString& tuningCache,
                   std::function<void()> tuningMeasured)
    : core_(core), presetTuning_(std::make_unique<PresetTuning>(
                       core.hasSoundFont() ? core.soundFontPath() : QString(), tuningCache,
                       core.sampleRate(), std::move(tuningMeasured))),
      ramp_(core.synth(), kParts) {
    awaited_.fill(-1);
    fluid_settings_getnum(core_.settings(), "synth.gain", &baseGain_);
    voices_.resize(static_cast<size_t>(fluid_synth_get_polyphony(core_.synth())) + 1);
    reset();
}

GsModule::~GsModule() = default;

void GsModule::reset() {
    // Voices, controllers, tunings and the reverb's ringing all start afresh.
    fluid_synth_system_reset(core_.synth());
    sent_.fill(Sent{});
    for (auto& held : held_)
        held.fill(-1);
    for (int n = 1; n <= kParts; ++n)
        parts_[static_cast<size_t>(n - 1)].reset((n - 1) % kPartsPerPort + 1);
    for (auto& channel : controllers_) {
        channel.fill(0);
        channel[midi::CcExpression] = kTop;
    }
    reverbMacro_ = 4;
    reverbLevel_ = 64;
    masterVolume_ = 127;
    fluid_synth_set_gain(core_.synth(), static_cast<float>(baseGain_ * kHeadroomGain));
    for (int n = 0; n < kParts; ++n) {
        // The part's level is the layer's own attenuation: FluidSynth's volume stays full.
        fluid_synth_cc(core_.synth(), n, midi::CcVolume, kTop);
        fluid_synth_cc(core_.synth(), n, midi::CcExpression, kTop);
        fluid_synth_set_gen(core_.synth(), n, GEN_VOLENVSUSTAIN,
                            kTremulantHeadroomCb * kSustainUnitsPerCentibel);
    }
    dirty_.fill(DirtyAll);
    applyDirty();
    applyReverb();
}

void GsModule::allSoundOff() {
    for (int n = 0; n < kParts; ++n) {
        fluid_synth_cc(core_.synth(), n, midi::CcSustain, 0);
        fluid_synth_all_sounds_off(core_.synth(), n);
        held_[static_cast<size_t>(n)].fill(-1);
    }
}

// ---------------------------------------------------------------------------------------------
// System exclusive

void GsModule::sysex(const QByteArray& bytes) {
    // Each F7 closes the message begun by the last F0 before it; other bytes are passed over.
    for (const QByteArrayView piece : SysexSequence::split(bytes).pieces) {
        const QByteArrayView message = SysexSequence::lastMessageIn(piece);
        if (!message.isEmpty())
            dataSet(message);
    }
    applyDirty();
}

void GsModule::dataSet(QByteArrayView message) {
    // Any device number is taken; a message whose checksum does not match is ignored, as the
    // module does.
    const auto set = GsDataSet::read(message);
    if (!set)
        return;
    // Each data byte goes to the next address.
    GsAddress a = set->address;
    for (const char value : set->data) {
        write(a, static_cast<uint8_t>(value));
        a = a.next();
    }
}

void GsModule::write(const GsAddress& a, uint8_t value) {
    if (a.high == gs::PortA && a.middle == gs::SystemBlock) {
        if (a.low == gs::GsReset)
            reset();
        else if (a.low == gs::MasterVolume) {
            masterVolume_ = value;
            const double v = double(value) / kTop;
            fluid_synth_set_gain(core_.synth(),
                                 static_cast<float>(baseGain_ * kHeadroomGain * v * v));
        }
        return;
    }
    if (a.high == gs::PortA && a.middle == gs::EffectBlock) {
        if (a.low == gs::ReverbMacro && value < gs::ReverbMacroCount) {
            reverbMacro_ = value;
            reverbLevel_ = 64;
            applyReverb();
        } else if (a.low == gs::ReverbLevel) {
            reverbLevel_ = value;
            applyReverb();
        }
        return;
    }
    const int n = GsAddress::partOf(a.high, a.middle);
    if (n == 0)
        return;
    if ((a.middle & gs::BlockKindMask) == gs::PartParameterBlock)
        writePart(n, a.low, value);
    else if ((a.middle & gs::BlockKindMask) == gs::ControllerBlock)
        writeDestination(n, a.low, value);
}

void GsModule::writePart(int n, uint8_t address, uint8_t value) {
    if (address >= GsPart::ParameterCount)
        return;
    GsPart& p = parts_[static_cast<size_t>(n - 1)];
    p.parameter[address] = value;
    uint8_t& d = dirty_[static_cast<size_t>(n - 1)];
    switch (address) {
    case GsPart::ToneVariation:
    case GsPart::ToneProgram:
    case GsPart::UseForRhythm:
        d |= DirtyTone;
        break;
    case GsPart::Level:
    case GsPart::Cc1Number:
        d |= DirtyGain;
        break;
    case GsPart::Pan:
        d |= DirtyPan;
        break;
    case GsPart::ReverbSend:
        d |= DirtyReverbSend;
        break;
    case GsPart::VibratoRate:
    case GsPart::VibratoDepth:
    case GsPart::VibratoDelay:
        d |= DirtyVibrato;
        break;
    default:
        if (address >= GsPart::ScaleTuning && address < GsPart::ScaleTuning + 12)
            d |= DirtyTuning;
        break;
    }
}

void GsModule::writeDestination(int n, uint8_t address, uint8_t value) {
    if (address >= GsPart::DestinationCount)
        return;
    parts_[static_cast<size_t>(n - 1)].destination[address] = value;
    dirty_[static_cast<size_t>(n - 1)] |= DirtyGain | DirtyLfo;
}

void GsModule::applyDirty() {
    for (int n = 1; n <= kParts; ++n) {
        uint8_t& d = dirty_[static_cast<size_t>(n - 1)];
        if (d) {
            apply(n, d);
            d = 0;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Parts onto FluidSynth

double GsModule::gainOf(int n) const {
    const GsPart& p = part(n);
    const int rx = p.rxChannel();
    if (rx >= 16)
        return 0.0;
    const auto& cc = controllers_[static_cast<size_t>(rx)];
    // Volume and expression follow the GS (and General MIDI) square law.
    const double level = double(p.parameter[GsPart::Level]) / kTop;
    const double expression = double(cc[midi::CcExpression]) / kTop;
    // The amplitude controls of the modulation wheel and of the CC1 controller: -100..+100 %
    // of the level at the controller's top value, linear in the controller.
    auto control = [&](int block, int value) {
        const double depth = (p.destination[static_cast<size_t>(block + GsPart::AmplitudeControl)] -
                              GsPart::kCentre) /
                             double(GsPart::kCentre);
        return std::clamp(1.0 + depth * value / kTop, 0.0, 1.0);
    };
    const int cc1 = p.cc1Number() <= kLastAssignable ? cc[static_cast<size_t>(p.cc1Number())] : 0;
    return level * level * expression * expression *
           control(GsPart::ModBlock, cc[midi::CcModulation]) * control(GsPart::Cc1Block, cc1);
}

const PresetTuning::Deviation* GsModule::deviationOf(int n) {
    const int ch = n - 1;
    awaited_[static_cast<size_t>(ch)] = -1;
    if (!hasTone_[static_cast<size_t>(ch)] || part(n).rhythm() || !core_.hasSoundFont())
        return nullptr;
    int font = -1, bank = 0, program = 0;
    if (fluid_synth_get_program(core_.synth(), ch, &font, &bank, &program) != FLUID_OK)
        return nullptr;
    fluid_sfont_t* sfont = fluid_synth_get_sfont_by_id(core_.synth(), font);
    const char* name = sfont ? fluid_sfont_get_name(sfont) : nullptr;
    if (!name || QFile::encodeName(core_.soundFontPath()) != name)
        return nullptr;
    const PresetTuning::Deviation* d = presetTuning_->deviation(bank, program);
    if (!d)
        awaited_[static_cast<size_t>(ch)] = bank * 128 + program;
    return d;
}

void GsModule::takeMeasuredTuning() {
    if (!presetTuning_->collect())
        return;
    for (int n = 1; n <= kParts; ++n) {
        const int id = awaited_[static_cast<size_t>(n - 1)];
        if (id < 0)
            continue;
        const PresetTuning::Deviation* d = presetTuning_->deviation(id / 128, id % 128);
        if (!d)
            continue;
        awaited_[static_cast<size_t>(n - 1)] = -1;
        deviation_[static_cast<size_t>(n - 1)] = d;
        apply(n, DirtyTuning);
    }
}

void GsModule::waitForTuning() {
    presetTuning_->waitUntilMeasured();
    takeMeasuredTuning();
}

int GsModule::velocityOf(int n, int struck) const {
    const GsPart& p = part(n);
    const int v = p.parameter[GsPart::VelocityDepth] * struck / GsPart::kCentre +
                  (p.parameter[GsPart::VelocityOffset] - GsPart::kCentre) * 2;
    return std::clamp(v, 0, kTop);
}

void GsModule::apply(int n, uint8_t what) {
    fluid_synth_t* s = core_.synth();
    const int ch = n - 1;
    const GsPart& p = part(n);
    if (what & DirtyTone) {
        hasTone_[static_cast<size_t>(ch)] = core_.selectTone(
            ch, p.parameter[GsPart::ToneVariation], p.parameter[GsPart::ToneProgram], p.rhythm());
        deviation_[static_cast<size_t>(ch)] = deviationOf(n);
        what |= DirtyTuning;
    }
    Sent& sent = sent_[static_cast<size_t>(ch)];
    if (what & (DirtyGain | DirtyLfo)) {
        const Tremulant t = tremulantOf(n);
        if (!(t == sent.tremulant)) {
            const bool wasOn = sent.tremulant.on();
            sent.tremulant = t;
            if (t.on() || wasOn)
                tremulantOnVoices(n, -1);
        }
        // The tremulant's mean sits its depth below the level: its peaks reach the level.
        const float cb = std::min(kSilentCentibels, centibelsOf(gainOf(n)) + t.volume);
        if (sent.attenuation < 0.0f)
            ramp_.setNow(ch, cb); // after a reset: nothing sounds
        else if (cb != sent.attenuation)
            ramp_.rampTo(ch, cb);
        sent.attenuation = cb;
    }
    if (what & DirtyPan) {
        const int pan = p.parameter[GsPart::Pan];
        fluid_synth_cc(s, ch, kPan, pan == 0 ? GsPart::kCentre : pan);
    }
    if (what & DirtyReverbSend)
        fluid_synth_set_gen(s, ch, GEN_REVERBSEND,
                            kReverbSendScale * p.parameter[GsPart::ReverbSend]);
    if (what & DirtyTuning) {
        const PresetTuning::Deviation* off = deviation_[static_cast<size_t>(ch)];
        bool tempered = off != nullptr;
        for (int k = 0; k < 12; ++k)
            tempered = tempered || p.scaleTuning(k) != 0;
        if (!tempered) {
            fluid_synth_deactivate_tuning(s, ch, 1);
        } else {
            // The temperament's pitch of each sounding key, less what the preset adds to it.
            // FluidSynth plays whole cents, dropping the fraction: half a cent more makes
            // that the nearest.
            double pitch[128];
            for (int key = 0; key < 128; ++key)
                pitch[key] = 100.0 * key + p.scaleTuning(key % 12) + kToNearestCent -
                             (off ? (*off)[static_cast<size_t>(key)] : 0.0f);
            // Tuning program n - 1 of bank 0 belongs to the part; sounding notes follow.
            fluid_synth_activate_key_tuning(s, 0, ch, "GS scale tuning", pitch, 1);
            fluid_synth_activate_tuning(s, ch, 0, ch, 1);
        }
    }
    if (what & DirtyVibrato) {
        auto offset = [&](int a) { return float(p.parameter[static_cast<size_t>(a)]) - 64.0f; };
        fluid_synth_set_gen(s, ch, GEN_VIBLFOFREQ, offset(GsPart::VibratoRate) * kVibratoRateCents);
        fluid_synth_set_gen(s, ch, GEN_VIBLFOTOPITCH,
                            offset(GsPart::VibratoDepth) * kVibratoDepthCents);
        fluid_synth_set_gen(s, ch, GEN_VIBLFODELAY,
                            offset(GsPart::VibratoDelay) * kVibratoDelayTimecents);
    }
}

GsModule::Tremulant GsModule::tremulantOf(int n) const {
    const GsPart& p = part(n);
    const int rx = p.rxChannel();
    const double mod =
        rx < 16 ? controllers_[static_cast<size_t>(rx)][midi::CcModulation] / double(kTop) : 0.0;
    const auto dest = [&](int a) { return double(p.destination[static_cast<size_t>(a)]); };
    const double rate = std::clamp(kBaseLfoHz + (dest(GsPart::Lfo1Rate) - GsPart::kCentre) /
                                                    GsPart::kCentre * kLfoRateSpanHz * mod,
                                   0.1, 20.0);
    const double ampDepth = std::min(0.99, dest(GsPart::Lfo1AmplitudeDepth) / kTop * mod);
    Tremulant t;
    t.frequency = static_cast<float>(1200.0 * std::log2(rate / kLfoReferenceHz));
    t.pitch = static_cast<float>(dest(GsPart::Lfo1PitchDepth) / kTop * kLfoPitchSpanCents * mod);
    // The amplitude swings between the level and (1 - depth) of it: ±half that in dB.
    t.volume =
        std::min(kTremulantHeadroomCb, static_cast<float>(-100.0 * std::log10(1.0 - ampDepth)));
    return t;
}

void GsModule::tremulantOnVoices(int n, int key) {
    const int ch = n - 1;
    const Tremulant& t = sent_[static_cast<size_t>(ch)].tremulant;
    fluid_synth_get_voicelist(core_.synth(), voices_.data(), static_cast<int>(voices_.size()), -1);
    for (fluid_voice_t* v : voices_) {
        if (!v)
            break;
        if (fluid_voice_get_channel(v) != ch || (key >= 0 && fluid_voice_get_key(v) != key))
            continue;
        // Absolute values on the voice, in place of the preset's own LFO.
        const std::pair<int, float> gens[] = {{GEN_MODLFOFREQ, t.frequency},
                                              {GEN_MODLFODELAY, kNoDelayTimecents},
                                              {GEN_MODLFOTOPITCH, t.pitch},
                                              {GEN_MODLFOTOVOL, t.volume},
                                              {GEN_MODLFOTOFILTERFC, 0.0f}};
        for (const auto& [gen, value] : gens) {
            fluid_voice_gen_set(v, gen, value);
            fluid_voice_update_param(v, gen);
        }
    }
}

void GsModule::applyReverb() {
    const ReverbShape& r = kReverbMacros[reverbMacro_];
    fluid_synth_t* s = core_.synth();
    fluid_synth_set_reverb_group_roomsize(s, -1, r.room);
    fluid_synth_set_reverb_group_damp(s, -1, r.damp);
    fluid_synth_set_reverb_group_width(s, -1, r.width);
    fluid_synth_set_reverb_group_level(s, -1, std::min(1.0, r.level * reverbLevel_ / 64.0));
}

// ---------------------------------------------------------------------------------------------
// Channel messages

void GsModule::forEachPartOn(int channel, auto&& f) {
    for (int n = 1; n <= kParts; ++n) {
        if (parts_[static_cast<size_t>(n - 1)].rxChannel() == channel)
            f(n);
    }
}

void GsModule::shortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    if (status >= midi::SysexStart) {
        if (status == midi::SystemReset)
            reset();
        return;
    }
    const int ch = status & 0x0F;
    const uint8_t d1 = data1 & kDataByte;
    const uint8_t d2 = data2 & kDataByte;
    switch (status & 0xF0) {
    case midi::NoteOn:
        if (d2 == 0)
            noteOff(ch, d1);
        else
            noteOn(ch, d1, d2);
        break;
    case midi::NoteOff:
        noteOff(ch, d1);
        break;
    case midi::ControlChange:
        controlChange(ch, d1, d2);
        break;
    case midi::ProgramChange:
        forEachPartOn(ch, [&](int n) {
            GsPart& p = parts_[static_cast<size_t>(n - 1)];
            p.parameter[GsPart::ToneVariation] = controllers_[static_cast<size_t>(ch)][kBankSelect];
            p.parameter[GsPart::ToneProgram] = d1;
            apply(n, DirtyTone);
        });
        break;
    case midi::PitchBend:
        forEachPartOn(ch,
                      [&](int n) { fluid_synth_pitch_bend(core_.synth(), n - 1, d1 | d2 << 7); });
        break;
    default:
        break; // key and channel pressure: not used by the organ
    }
}

void GsModule::noteOn(int channel, int key, int velocity) {
    forEachPartOn(channel, [&](int n) {
        const GsPart& p = part(n);
        if (key < p.parameter[GsPart::KeyLow] || key > p.parameter[GsPart::KeyHigh])
            return;
        if (!hasTone_[static_cast<size_t>(n - 1)])
            return;
        const int v = velocityOf(n, velocity);
        const int sounding = key + p.keyShift();
        if (v == 0 || sounding < 0 || sounding > kTop)
            return;
        auto& held = held_[static_cast<size_t>(n - 1)];
        if (held[static_cast<size_t>(key)] >= 0)
            fluid_synth_noteoff(core_.synth(), n - 1, held[static_cast<size_t>(key)]);
        fluid_synth_noteon(core_.synth(), n - 1, sounding, v);
        if (sent_[static_cast<size_t>(n - 1)].tremulant.on())
            tremulantOnVoices(n, sounding);
        held[static_cast<size_t>(key)] = static_cast<int8_t>(sounding);
        heldFrom_[static_cast<size_t>(n - 1)][static_cast<size_t>(key)] =
            static_cast<uint8_t>(channel);
    });
}

void GsModule::noteOff(int channel, int key) {
    for (int n = 1; n <= kParts; ++n) {
        int8_t& held = held_[static_cast<size_t>(n - 1)][static_cast<size_t>(key)];
        if (held >= 0 &&
            heldFrom_[static_cast<size_t>(n - 1)][static_cast<size_t>(key)] == channel) {
            fluid_synth_noteoff(core_.synth(), n - 1, held);
            held = -1;
        }
    }
}

void GsModule::releaseFrom(int channel) {
    for (int key = 0; key < 128; ++key)
        noteOff(channel, key);
}

void GsModule::controlChange(int ch, int controller, int value) {
    auto& cc = controllers_[static_cast<size_t>(ch)];
    cc[static_cast<size_t>(controller)] = static_cast<uint8_t>(value);
    fluid_synth_t* s = core_.synth();
    switch (controller) {
    case kBankSelect:
        return; // taken by the next program change
    case midi::CcVolume:
        forEachPartOn(ch, [&](int n) {
            GsPart& p = parts_[static_cast<size_t>(n - 1)];
            if (p.parameter[GsPart::RxVolume])
                p.parameter[GsPart::Level] = static_cast<uint8_t>(value);
        });
        break;
    case kPan:
        forEachPartOn(ch, [&](int n) {
            parts_[static_cast<size_t>(n - 1)].parameter[GsPart::Pan] = static_cast<uint8_t>(value);
            apply(n, DirtyPan);
        });
        return;
    case kReverbSendCc:
        forEachPartOn(ch, [&](int n) {
            parts_[static_cast<size_t>(n - 1)].parameter[GsPart::ReverbSend] =
                static_cast<uint8_t>(value);
            apply(n, DirtyReverbSend);
        });
        return;
    case midi::CcSustain:
        forEachPartOn(ch, [&](int n) { fluid_synth_cc(s, n - 1, midi::CcSustain, value); });
        return;
    case kAllSoundOff:
        forEachPartOn(ch, [&](int n) { fluid_synth_all_sounds_off(s, n - 1); });
        releaseFrom(ch);
        return;
    case kResetAllControllers:
        cc.fill(0);
        cc[midi::CcExpression] = kTop;
        forEachPartOn(ch, [&](int n) {
            fluid_synth_cc(s, n - 1, midi::CcSustain, 0);
            fluid_synth_pitch_bend(s, n - 1, 0x2000);
            apply(n, DirtyGain | DirtyLfo);
        });
        return;
    default:
        if (controller >= midi::CcAllNotesOff) {
            releaseFrom(ch);
            return;
        }
        break;
    }
    // Level, expression, the modulation wheel and every part's CC1 controller.
    forEachPartOn(ch, [&](int n) {
        const GsPart& p = part(n);
        if (controller == midi::CcModulation)
            apply(n, DirtyGain | DirtyLfo);
        else if (controller == midi::CcVolume || controller == midi::CcExpression ||
                 controller == p.cc1Number())
            apply(n, DirtyGain);
    });
}

} // namespace vorlo
