#include "SynthWavRecorder.h"

#include "BuiltInSynthOutput.h"
#include "SynthCore.h"
#include "WavFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vorlo {
namespace {

constexpr int kWavHeaderBytes = 44;
constexpr int kWavFrameBytes = 4;

// Pushes a finished file to the disk, so that a disk that cannot hold it says so before the
// file takes its place.
bool syncFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
#ifdef Q_OS_WIN
    return ::_commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

} // namespace

SynthWavRecorder::SynthWavRecorder() = default;

SynthWavRecorder::~SynthWavRecorder() {
    if (recording_)
        stop();
    // An output still here no longer hands its sound over.
    if (output_)
        output_->setAudioRecorder(nullptr);
}

void SynthWavRecorder::attach(BuiltInSynthOutput* output) {
    output_ = output;
}

void SynthWavRecorder::detach(BuiltInSynthOutput* output) {
    if (output_ != output)
        return;
    if (recording_)
        stop();
    output_ = nullptr;
}

QString SynthWavRecorder::unavailableReason() {
    if (recording_)
        return {};
    if (!output_ || !output_->isOpen() || !output_->synthCore())
        return QStringLiteral("Only the built-in GS synthesizer's sound can be recorded, and "
                              "it is not the module output.");
    return {};
}

bool SynthWavRecorder::start(const QString& path, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (recording_)
        return fail(QStringLiteral("a recording is already running"));
    const QString why = unavailableReason();
    if (!why.isEmpty())
        return fail(why);
    sampleRate_ = static_cast<int>(output_->synthCore()->sampleRate());
    target_ = path;
    temporary_ = path + QLatin1String(kTemporarySuffix);
    file_ = std::make_unique<WavFileWriter>(sampleRate_);
    if (!file_->open(temporary_)) {
        const QString reason = file_->errorString();
        file_.reset();
        QFile::remove(temporary_);
        return fail(reason);
    }
    ring_.reserve(static_cast<size_t>(sampleRate_) * kRingSeconds);
    left_.assign(kWriteFrames, 0.0f);
    right_.assign(kWriteFrames, 0.0f);
    written_.store(0);
    lost_.store(0);
    failure_.clear();
    failed_.store(false);
    stopping_.store(false);
    writer_ = std::thread([this] { write(); });
    recording_ = true;
    armed_.store(true);
    return true;
}

void SynthWavRecorder::rendered(const float* left, const float* right, int frames) {
    // Either stop() sees this block under way, or this block sees the recording stopped.
    inTap_.store(true);
    if (armed_.load() && frames > 0 && !ring_.push(left, right, static_cast<size_t>(frames)))
        lost_.fetch_add(frames, std::memory_order_relaxed);
    inTap_.store(false);
}

void SynthWavRecorder::write() {
    for (;;) {
        const bool last = stopping_.load(std::memory_order_acquire);
        const size_t frames = ring_.pop(left_.data(), right_.data(), kWriteFrames);
        if (frames > 0) {
            if (!failed_.load(std::memory_order_relaxed) &&
                !file_->write(left_.data(), right_.data(), static_cast<int>(frames))) {
                failure_ = file_->errorString();
                failed_.store(true, std::memory_order_release);
            }
            if (!failed_.load(std::memory_order_relaxed))
                written_.fetch_add(static_cast<int64_t>(frames), std::memory_order_relaxed);
            continue;
        }
        if (last)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(kWriterWakeMs));
    }
}

QString SynthWavRecorder::failure() const {
    return failed_.load(std::memory_order_acquire) ? failure_ : QString();
}

AudioRecorder::Result SynthWavRecorder::stop() {
    Result result;
    if (!recording_)
        return result;
    armed_.store(false);
    while (inTap_.load())
        std::this_thread::yield();
    // The writer takes what is left in the ring, then ends.
    stopping_.store(true, std::memory_order_release);
    if (writer_.joinable())
        writer_.join();
    recording_ = false;
    result.frames = written_.load();
    result.framesLost = lost_.load();

    QString why = failure();
    const bool finished = file_->finish();
    file_.reset();
    const qint64 expected = kWavHeaderBytes + result.frames * kWavFrameBytes;
    if (why.isEmpty() && !finished)
        why = QStringLiteral("the file could not be completed");
    if (why.isEmpty() && (!syncFile(temporary_) || QFileInfo(temporary_).size() != expected))
        why = QStringLiteral("the disk did not take the whole file");
    if (why.isEmpty()) {
        std::error_code ec;
        // Replaces an older file of the name in one step.
        std::filesystem::rename(std::filesystem::path(temporary_.toStdU16String()),
                                std::filesystem::path(target_.toStdU16String()), ec);
        if (ec)
            why = QString::fromStdString(ec.message());
    }
    if (!why.isEmpty()) {
        QFile::remove(temporary_);
        result.error = why;
        return result;
    }
    result.saved = true;
    return result;
}

} // namespace vorlo
