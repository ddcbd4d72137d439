#pragma once

namespace vorlo {

// Marks a procedure as running for as long as the guard lives, so that a call arriving while
// it runs (from an event handled during one of its waits) can see it and step aside. The flag
// is cleared on every way out, exceptions included.
class ReentryGuard {
public:
    // entered() is false when the procedure is already running: the guard then holds nothing.
    explicit ReentryGuard(bool& running) : running_(running), entered_(!running) {
        if (entered_)
            running_ = true;
    }
    ~ReentryGuard() {
        if (entered_)
            running_ = false;
    }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;

    bool entered() const { return entered_; }

private:
    bool& running_;
    bool entered_;
};

} // namespace vorlo
