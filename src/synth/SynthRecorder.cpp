#include "SynthRecorder.h"

#include "SynthCore.h"

#include <QtGlobal>
#include <algorithm>
#include <chrono>
#include <cmath>

namespace vorlo {

SynthRecorder::SynthRecorder(SynthCore& core, int periodFrames)
    : core_(core), periodFrames_(periodFrames),
      file_(static_cast<int>(std::lround(core.sampleRate()))),
      left_(static_cast<size_t>(periodFrames)), right_(static_cast<size_t>(periodFrames)) {}

SynthRecorder::~SynthRecorder() {
    finish();
}

bool SynthRecorder::open(const QString& path) {
    return file_.open(path);
}

void SynthRecorder::start() {
    // The recording's time runs from here, however late the thread gets going.
    thread_ = std::thread([this, begin = Clock::now()] { run(begin); });
}

void SynthRecorder::run(Clock::time_point begin) {
    const auto period = std::chrono::duration<double>(periodFrames_ / core_.sampleRate());
    std::unique_lock lock(mutex_);
    for (int64_t n = 1;; ++n) {
        // Woken early only to stop; then the last stretch up to the stop is rendered too.
        const bool stop = wake_.wait_until(
            lock, begin + std::chrono::duration_cast<Clock::duration>(period * double(n)),
            [this] { return stopping_; });
        const double elapsed = std::chrono::duration<double>(Clock::now() - begin).count();
        renderUntil(elapsed);
        if (stop)
            return;
        // After a late wake-up, the next one is the next period still to come.
        n = std::max(n, static_cast<int64_t>(elapsed / period.count()));
    }
}

void SynthRecorder::renderUntil(double seconds) {
    const auto target = static_cast<int64_t>(std::llround(seconds * core_.sampleRate()));
    while (rendered_ < target) {
        const int frames = static_cast<int>(std::min<int64_t>(periodFrames_, target - rendered_));
        core_.render(left_.data(), right_.data(), frames);
        // A file that can take no more (full disk) keeps what it has; the sound goes on.
        if (!file_.write(left_.data(), right_.data(), frames) && !toldFailure_) {
            toldFailure_ = true;
            qWarning("The recording stopped growing at %.1f s: %s",
                     double(file_.frames()) / core_.sampleRate(), qPrintable(file_.errorString()));
        }
        rendered_ += frames;
    }
}

void SynthRecorder::finish() {
    if (thread_.joinable()) {
        {
            std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    file_.finish();
}

} // namespace vorlo
