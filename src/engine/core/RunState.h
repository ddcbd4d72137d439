#pragma once

namespace vorlo {

// Where the program is in its run: started once the start-up finished, ended once the main
// window was unloaded, and whether the system asked it to end (a signal, the end of the
// desktop session), after which a question left unanswered because of it discards nothing.
class RunState {
public:
    bool isStarted() const { return started_; }
    void setStarted() { started_ = true; }
    bool hasEnded() const { return ended_; }
    void setEnded() { ended_ = true; }
    bool isEndRequested() const { return endRequested_; }
    void requestEnd() { endRequested_ = true; }

private:
    bool started_ = false;
    bool ended_ = false;
    bool endRequested_ = false;
};

} // namespace vorlo
