#include "RtMidiErrorTrap.h"

namespace vorlo {

void RtMidiErrorTrap::callback(RtMidiError::Type type, const std::string& text, void* trap) {
    // Debug warnings are RtMidi's own tracing, not failures.
    if (type == RtMidiError::DEBUG_WARNING || trap == nullptr)
        return;
    static_cast<RtMidiErrorTrap*>(trap)->record(type, text);
}

void RtMidiErrorTrap::record(RtMidiError::Type type, const std::string& text) {
    const bool isError = type != RtMidiError::WARNING;
    std::lock_guard lock(mutex_);
    // Keep the first report, unless an error follows a mere warning.
    if (!caught_.load(std::memory_order_relaxed) || (isError && !error_)) {
        text_ = text;
        error_ = isError;
    }
    caught_.store(true, std::memory_order_release);
}

void RtMidiErrorTrap::clear() {
    std::lock_guard lock(mutex_);
    caught_.store(false, std::memory_order_release);
    error_ = false;
    text_.clear();
}

bool RtMidiErrorTrap::caughtError() const {
    std::lock_guard lock(mutex_);
    return caught_.load(std::memory_order_relaxed) && error_;
}

QString RtMidiErrorTrap::take() {
    std::lock_guard lock(mutex_);
    const QString text = QString::fromStdString(text_).trimmed();
    caught_.store(false, std::memory_order_release);
    error_ = false;
    text_.clear();
    return text;
}

} // namespace vorlo
