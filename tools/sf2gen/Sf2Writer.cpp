#include "Sf2Writer.h"

#include <QtEndian>
#include <cmath>
#include <numbers>

namespace {

// SoundFont generator numbers used by the instrument zone.
enum Generator : uint16_t {
    ModLfoToPitch = 5,
    ModLfoToVolume = 13,
    DelayModLfo = 21,
    FreqModLfo = 22,
    AttackVolEnv = 34,
    ReleaseVolEnv = 38,
    Instrument = 41,
    KeyRange = 43,
    FineTune = 52,
    SampleId = 53,
    SampleModes = 54,
};
constexpr uint16_t kLoopContinuously = 1;
constexpr uint16_t kMonoSample = 1;
// Envelope times in timecents: 1200 * log2(seconds). A 20 ms attack and a 100 ms release keep
// note starts and ends free of clicks.
constexpr int16_t kAttack = -6772;
constexpr int16_t kRelease = -3986;
constexpr int kPeriods = 20;
constexpr int kLoopStart = 2 * Sf2Writer::kPeriod;
constexpr int kLoopEnd = (kPeriods - 2) * Sf2Writer::kPeriod;
constexpr int kTrailingZeros = 46; // the format's guard after each sample
constexpr double kAmplitude = 0.5 * 32767;

void u16(QByteArray& b, uint16_t v) {
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}
void u32(QByteArray& b, uint32_t v) {
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}
void name20(QByteArray& b, const QByteArray& n) {
    QByteArray f = n.left(19);
    f.append(QByteArray(20 - f.size(), '\0'));
    b.append(f);
}
QByteArray chunk(const char* id, const QByteArray& data) {
    QByteArray b(id, 4);
    u32(b, static_cast<uint32_t>(data.size()));
    b.append(data);
    if (data.size() % 2)
        b.append('\0');
    return b;
}
QByteArray list(const char* type, const QByteArray& chunks) {
    QByteArray body(type, 4);
    body.append(chunks);
    return chunk("LIST", body);
}
void gen(QByteArray& b, uint16_t op, uint16_t amount) {
    u16(b, op);
    u16(b, amount);
}

} // namespace

QByteArray Sf2Writer::build(const QString& name, const std::vector<Tone>& tones) {
    // INFO
    QByteArray ifil;
    u16(ifil, 2);
    u16(ifil, 1);
    // Text fields end with a zero and have an even size.
    QByteArray title = name.toLatin1() + QByteArray(1, '\0');
    if (title.size() % 2)
        title.append('\0');
    QByteArray info =
        chunk("ifil", ifil) + chunk("isng", QByteArray("EMU8000", 8)) + chunk("INAM", title);

    // sdta: the sine, whole periods, then the guard of zeros.
    QByteArray smpl;
    const int length = kPeriods * kPeriod;
    for (int i = 0; i < length; ++i) {
        const double v = kAmplitude * std::sin(2.0 * std::numbers::pi * i / kPeriod);
        u16(smpl, static_cast<uint16_t>(static_cast<int16_t>(std::lround(v))));
    }
    for (int i = 0; i < kTrailingZeros; ++i)
        u16(smpl, 0);
    QByteArray sdta = chunk("smpl", smpl);

    // pdta
    QByteArray phdr, pbag, pmod, pgen, inst, ibag, imod, igen, shdr;
    uint16_t bagIndex = 0;
    uint16_t genIndex = 0;
    for (const Tone& t : tones) {
        name20(phdr, QStringLiteral("Sine %1:%2").arg(t.bank).arg(t.program).toLatin1());
        u16(phdr, static_cast<uint16_t>(t.program));
        u16(phdr, static_cast<uint16_t>(t.bank));
        u16(phdr, bagIndex);
        u32(phdr, 0);
        u32(phdr, 0);
        u32(phdr, 0);
        // One zone, or two split at splitKey; the key range comes first, the instrument last.
        const bool split = t.splitKey > 0 && t.splitKey < 128;
        for (int zone = 0; zone < (split ? 2 : 1); ++zone) {
            u16(pbag, genIndex);
            u16(pbag, 0);
            const auto put = [&](uint16_t op, int amount) {
                gen(pgen, op, static_cast<uint16_t>(static_cast<int16_t>(amount)));
                ++genIndex;
            };
            if (split)
                put(KeyRange, zone == 0 ? (t.splitKey - 1) << 8 : 0x7F00 | t.splitKey);
            const int tune = zone == 0 ? t.tuneLow : t.tuneHigh;
            if (tune)
                put(FineTune, tune);
            if (t.lfoFrequency)
                put(FreqModLfo, t.lfoFrequency);
            if (t.lfoDelay)
                put(DelayModLfo, t.lfoDelay);
            if (t.lfoToPitch)
                put(ModLfoToPitch, t.lfoToPitch);
            if (t.lfoToVolume)
                put(ModLfoToVolume, t.lfoToVolume);
            put(Instrument, 0);
            ++bagIndex;
        }
    }
    name20(phdr, "EOP");
    u16(phdr, 0);
    u16(phdr, 0);
    u16(phdr, bagIndex);
    u32(phdr, 0);
    u32(phdr, 0);
    u32(phdr, 0);
    u16(pbag, genIndex);
    u16(pbag, 0);
    pmod.append(QByteArray(10, '\0'));
    gen(pgen, 0, 0);

    name20(inst, "Sine");
    u16(inst, 0);
    name20(inst, "EOI");
    u16(inst, 1);
    u16(ibag, 0);
    u16(ibag, 0);
    u16(ibag, 5); // the terminal bag points past the zone's five generators
    u16(ibag, 0);
    imod.append(QByteArray(10, '\0'));
    gen(igen, KeyRange, 0x7F00); // 0..127: low byte first
    gen(igen, AttackVolEnv, static_cast<uint16_t>(kAttack));
    gen(igen, ReleaseVolEnv, static_cast<uint16_t>(kRelease));
    gen(igen, SampleModes, kLoopContinuously);
    gen(igen, SampleId, 0);
    gen(igen, 0, 0);

    name20(shdr, "Sine");
    u32(shdr, 0);
    u32(shdr, static_cast<uint32_t>(length));
    u32(shdr, kLoopStart);
    u32(shdr, kLoopEnd);
    u32(shdr, kSampleRate);
    shdr.append(static_cast<char>(kRootKey));
    shdr.append('\0');
    u16(shdr, 0);
    u16(shdr, kMonoSample);
    name20(shdr, "EOS");
    shdr.append(QByteArray(26, '\0'));

    QByteArray pdta = chunk("phdr", phdr) + chunk("pbag", pbag) + chunk("pmod", pmod) +
                      chunk("pgen", pgen) + chunk("inst", inst) + chunk("ibag", ibag) +
                      chunk("imod", imod) + chunk("igen", igen) + chunk("shdr", shdr);

    QByteArray body("sfbk", 4);
    body.append(list("INFO", info));
    body.append(list("sdta", sdta));
    body.append(list("pdta", pdta));
    return chunk("RIFF", body);
}
