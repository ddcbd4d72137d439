#include "OrganSession.h"

#include "PitchMeter.h"
#include "SmfWriter.h"
#include "WavReader.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

const QString kConfig = QStringLiteral("/etc/timidity/freepats.cfg");
constexpr int kSampleRate = 44100;
constexpr int kTimeoutMs = 60000;
constexpr int kLeadIn = 480; // ticks of silence after the set-up
constexpr int kRest = 240;
constexpr int kHold = 720;
constexpr double kSkip = 0.2;    // seconds of attack left out
constexpr double kMeasure = 0.4; // seconds measured
constexpr unsigned char kNoteOn = 0x90;
constexpr unsigned char kNoteOff = 0x80;
constexpr unsigned char kVelocity = 100;
constexpr int kPartsPerPort = 16;
constexpr char kPortA = 0x40;
constexpr char kPortB = 0x50;
constexpr qsizetype kTuningBytes = 20; // F0 .. the twelfth offset

constexpr char kSysexEnd = static_cast<char>(0xF7);
constexpr int kPartBlock = 0x10;
constexpr int kPartTen = 10;

void appendMessages(const QByteArray& entry, std::vector<QByteArray>& out) {
    qsizetype start = 0;
    while (start < entry.size()) {
        const qsizetype end = entry.indexOf(kSysexEnd, start);
        if (end < 0)
            break;
        out.push_back(entry.mid(start, end - start + 1));
        start = end + 1;
    }
}

// Address byte 6 of a part: block 1x, part 10 at x = 0, parts 11..16 at A..F.
char blockOf(int part) {
    const int onPort = (part - 1) % kPartsPerPort + 1;
    const int x = onPort == kPartTen ? 0 : (onPort < kPartTen ? onPort : onPort - 1);
    return static_cast<char>(kPartBlock | x);
}

} // namespace

bool OrganSession::rendererAvailable(QString* why) {
    if (QStandardPaths::findExecutable(QStringLiteral("timidity")).isEmpty()) {
        *why = QStringLiteral("timidity is not installed (Debian package timidity)");
        return false;
    }
    if (!QFile::exists(kConfig)) {
        *why = kConfig + QStringLiteral(" is missing (Debian package freepats)");
        return false;
    }
    return true;
}

void OrganSession::send(int entry) {
    appendMessages(table_[entry], setUp_);
}

void OrganSession::temperament(int entry) {
    const QByteArray stored = table_[entry];
    if (stored.size() < kTuningBytes)
        return;
    for (int p = 1; p <= 2 * kPartsPerPort; ++p) {
        QByteArray m = stored.left(kTuningBytes);
        m[5] = p <= kPartsPerPort ? kPortA : kPortB;
        m[6] = blockOf(p);
        int sum = 0;
        for (qsizetype i = 5; i < kTuningBytes; ++i)
            sum += static_cast<unsigned char>(m[i]);
        m += static_cast<char>((128 - sum % 128) % 128);
        m += kSysexEnd;
        setUp_.push_back(m);
    }
}

int OrganSession::play(int channel, int key) {
    notes_.push_back({channel, key});
    return static_cast<int>(notes_.size()) - 1;
}

std::optional<std::vector<std::vector<int16_t>>> OrganSession::render(QString* error) {
    SmfWriter smf;
    for (int port : {0, 1}) {
        smf.beginTrack(port);
        if (port == 0)
            for (const QByteArray& m : setUp_)
                smf.event(0, m);
        int delta = kLeadIn;
        for (const auto& [channel, key] : notes_) {
            const int ch = channel - 1;
            const char on[] = {static_cast<char>(kNoteOn | ch), static_cast<char>(key),
                               static_cast<char>(kVelocity)};
            const char off[] = {static_cast<char>(kNoteOff | ch), static_cast<char>(key), 0};
            smf.event(delta + kRest, QByteArray(on, sizeof on));
            smf.event(kHold, QByteArray(off, sizeof off));
            delta = 0;
        }
    }
    QTemporaryDir dir;
    const QString mid = dir.filePath(QStringLiteral("organ.mid"));
    const QString wav = dir.filePath(QStringLiteral("organ.wav"));
    QFile f(mid);
    if (!dir.isValid() || !f.open(QIODevice::WriteOnly) || f.write(smf.bytes()) < 0) {
        *error = QStringLiteral("cannot write the MIDI file");
        return std::nullopt;
    }
    f.close();
    QProcess timidity;
    timidity.start(QStringLiteral("timidity"),
                   {QStringLiteral("-c"), kConfig, QStringLiteral("--preserve-silence"),
                    QStringLiteral("-Ow"), QStringLiteral("--output-mono"), QStringLiteral("-s"),
                    QString::number(kSampleRate), QStringLiteral("-o"), wav, mid});
    if (!timidity.waitForFinished(kTimeoutMs) || timidity.exitCode() != 0) {
        *error = QStringLiteral("timidity failed: ") + timidity.readAllStandardError();
        return std::nullopt;
    }
    QFile w(wav);
    const auto sound = w.open(QIODevice::ReadOnly) ? WavReader::parse(w.readAll()) : std::nullopt;
    if (!sound) {
        *error = QStringLiteral("timidity wrote no readable WAVE file");
        return std::nullopt;
    }
    sampleRate_ = sound->sampleRate;
    std::vector<std::vector<int16_t>> out;
    double start = kLeadIn * SmfWriter::kSecondsPerTick;
    for (size_t i = 0; i < notes_.size(); ++i) {
        start += kRest * SmfWriter::kSecondsPerTick;
        const auto from = static_cast<size_t>((start + kSkip) * sampleRate_);
        const auto to = std::min(sound->samples.size(), from + size_t(kMeasure * sampleRate_));
        out.emplace_back(from < to ? sound->samples.begin() + from : sound->samples.end(),
                         from < to ? sound->samples.begin() + to : sound->samples.end());
        start += kHold * SmfWriter::kSecondsPerTick;
    }
    return out;
}
