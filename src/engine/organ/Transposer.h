#pragma once

namespace vorlo {

class ConsoleListener;

// The transposer: how many semitones every note the player plays sounds above (or below) the
// key pressed, with all of its copies. It starts at 0 with every run of the program, as a
// console's transposer does when the organ is switched on, so that nobody finds the organ in
// a key left by the last player. The keyboards' router reads it for each note; a note keeps
// the pitch it was sent at until its key is released.
class Transposer {
public:
    static constexpr int kMin = -12;
    static constexpr int kMax = 12;

    explicit Transposer(ConsoleListener& listener);

    int semitones() const { return semitones_; }
    // Sets the transposition, kept within kMin..kMax, and shows it.
    void set(int semitones);
    // Moves it by step semitones; at either end it stays there.
    void step(int step);

private:
    ConsoleListener& listener_;
    int semitones_ = 0;
};

} // namespace vorlo
