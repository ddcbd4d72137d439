#include "Thru.h"

#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "RegistrationChange.h"

namespace vorlo {

Thru::Thru(ConsoleState& state, ConsoleListener& events) : state_(state), events_(events) {}

void Thru::nextBody() {
    ConsoleState& st = state_;
    int16_t& body = st.live().MemThru;
    body = static_cast<int16_t>(body >= 1 && body < 3 ? body + 1 : 1);
    st.sent().MemThru = body;
    if (st.ThruMode == 1)
        registrationChanged(st, events_);
    events_.thruBodyChanged();
}

void Thru::beginChoice() {
    savedMode_ = state_.ThruMode;
}

void Thru::chooseMode(int mode) {
    ConsoleState& st = state_;
    st.ThruMode = static_cast<int16_t>(mode);
    if (mode == 2) {
        st.ThruCustom[0] = 1;
        st.ThruCustom[1] = 0;
        st.ThruCustom[2] = 3;
        st.LearnActive = true;
    }
    events_.thruModeShown();
}

void Thru::learnBody(int body) {
    state_.LearnIndex = static_cast<int16_t>(body);
    events_.thruLearningShown(body);
}

void Thru::confirmChoice() {
    state_.LearnActive = false;
    events_.thruBodyChanged();
}

void Thru::cancelChoice() {
    state_.LearnActive = false;
    state_.ThruMode = savedMode_;
    events_.thruBodyChanged();
}

} // namespace vorlo
