#include "Transposer.h"

#include "ConsoleListener.h"

#include <algorithm>

namespace vorlo {

Transposer::Transposer(ConsoleListener& listener) : listener_(listener) {}

void Transposer::set(int semitones) {
    semitones_ = std::clamp(semitones, kMin, kMax);
    listener_.transpositionShown(semitones_);
}

void Transposer::step(int step) {
    // A step far outside the range cannot overflow: it only says which way to go.
    set(semitones_ + std::clamp(step, kMin - kMax, kMax - kMin));
}

} // namespace vorlo
