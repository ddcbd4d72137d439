#include "WavFileWriter.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>

namespace vorlo {
namespace {

constexpr int kChannels = 2;
constexpr int kBytesPerSample = 2;
constexpr int kFrameBytes = kChannels * kBytesPerSample;
constexpr int kHeaderBytes = 44;
constexpr qint64 kRiffSizeAt = 4;
constexpr qint64 kDataSizeAt = 40;
// RIFF sizes are 32 bits: a recording stops growing before they would overflow.
constexpr int64_t kMostDataBytes = 0xFFFFFFFFLL - kHeaderBytes;

void put16(char* at, uint16_t v) {
    qToLittleEndian<quint16>(v, at);
}
void put32(char* at, uint32_t v) {
    qToLittleEndian<quint32>(v, at);
}

int16_t toPcm(float x) {
    const float scaled = std::clamp(x, -1.0f, 1.0f) * 32767.0f;
    return static_cast<int16_t>(std::lrint(scaled));
}

} // namespace

WavFileWriter::WavFileWriter(int sampleRate) : sampleRate_(sampleRate) {}

WavFileWriter::~WavFileWriter() {
    if (file_.isOpen())
        finish();
}

bool WavFileWriter::open(const QString& path) {
    file_.setFileName(path);
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    char h[kHeaderBytes] = {};
    std::copy_n("RIFF", 4, h);
    put32(h + 4, kHeaderBytes - 8);
    std::copy_n("WAVEfmt ", 8, h + 8);
    put32(h + 16, 16); // size of the format chunk
    put16(h + 20, 1);  // PCM
    put16(h + 22, kChannels);
    put32(h + 24, static_cast<uint32_t>(sampleRate_));
    put32(h + 28, static_cast<uint32_t>(sampleRate_ * kFrameBytes));
    put16(h + 32, kFrameBytes);
    put16(h + 34, 8 * kBytesPerSample);
    std::copy_n("data", 4, h + 36);
    put32(h + 40, 0);
    failed_ = file_.write(h, kHeaderBytes) != kHeaderBytes || !file_.flush();
    return !failed_;
}

bool WavFileWriter::write(const float* left, const float* right, int frames) {
    if (failed_ || !file_.isOpen())
        return false;
    if ((frames_ + frames) * kFrameBytes > kMostDataBytes) {
        limitReached_ = true;
        failed_ = true;
        return false;
    }
    buffer_.resize(static_cast<size_t>(frames) * kFrameBytes);
    char* at = buffer_.data();
    for (int i = 0; i < frames; ++i, at += kFrameBytes) {
        put16(at, static_cast<uint16_t>(toPcm(left[i])));
        put16(at + 2, static_cast<uint16_t>(toPcm(right[i])));
    }
    const qint64 bytes = qint64(buffer_.size());
    if (file_.write(buffer_.data(), bytes) != bytes) {
        failed_ = true;
        return false;
    }
    frames_ += frames;
    if (frames_ - framesAtLastSizes_ >= sampleRate_)
        failed_ = !writeSizes();
    return !failed_;
}

bool WavFileWriter::writeSizes() {
    // The sizes of what was fully written; the data itself goes out first.
    if (!file_.flush())
        return false;
    const int64_t written = (file_.size() - kHeaderBytes) / kFrameBytes;
    const auto dataBytes = static_cast<uint32_t>(written * kFrameBytes);
    char size[4];
    bool ok = file_.seek(kRiffSizeAt);
    put32(size, dataBytes + kHeaderBytes - 8);
    ok = ok && file_.write(size, 4) == 4 && file_.seek(kDataSizeAt);
    put32(size, dataBytes);
    ok = ok && file_.write(size, 4) == 4 && file_.seek(file_.size()) && file_.flush();
    framesAtLastSizes_ = frames_;
    return ok;
}

bool WavFileWriter::finish() {
    if (!file_.isOpen())
        return false;
    const bool ok = writeSizes() && !failed_;
    file_.close();
    return ok;
}

} // namespace vorlo
