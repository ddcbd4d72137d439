#pragma once

#include "Division.h"

#include <QObject>
#include <array>
#include <bitset>
#include <cstdint>

namespace vorlo {

class ConsoleState;
class Form;
class InputDispatcher;

// The on-screen keyboard window: the Great, Swell and Pedal as rows of keys played with the
// mouse, and a short compass of the Great played with the computer keys while the window has
// the focus. Its notes enter the console through InputDispatcher::screenNote, on their
// division's channel, with the couplers and the sub-octave as a keyboard's notes have them.
// A key sounds while the mouse or a computer key holds it; closing or hiding the window, or
// its losing the focus, releases every key it holds.
class OnScreenKeyboard : public QObject {
    Q_OBJECT
public:
    // The manuals' 61 keys and the Pedal's 32, each from the C of MIDI key 36.
    static constexpr int kLowestKey = 36;
    static constexpr int kManualKeys = 61;
    static constexpr int kPedalKeys = 32;
    static constexpr int kRows = 3;
    // The velocity of every note the screen plays.
    static constexpr int kVelocity = 100;
    // The computer keys: the lower letter row plays one octave (Z S X D C V G B H N J M, the
    // sharps on the row above), the upper row the next and a third up (Q 2 W 3 E R 5 T 6 Y 7 U
    // I 9 O 0 P). Left and Right shift them an octave.
    static constexpr int kComputerCompass = 29;
    static constexpr int kKeyOctaveDown = 37; // Left
    static constexpr int kKeyOctaveUp = 39;   // Right
    // Which C of the Great the lowest computer key plays: 0 the first .. 3 the fourth.
    static constexpr int kFirstOctave = 0;
    static constexpr int kLastOctave = 3;
    static constexpr int kDefaultOctave = 1;

    // main: the main window with the menu entry; window: the keyboard's window.
    OnScreenKeyboard(ConsoleState& state, Form& main, Form& window, InputDispatcher& input);

    // Menu "On-screen &keyboard": loads and shows the window, or brings it to the front.
    void OnScreenKbd_Click();
    void Form_Load();

    static int keyCount(DivisionId row);
    // The MIDI key of a row's key (0 = its lowest C).
    static int noteOf(int index) { return kLowestKey + index; }
    // Whether the mouse or a computer key holds the key (it is lit and sounds).
    bool isHeld(DivisionId row, int index) const;

    // The mouse presses and lets go of a key (or leaves it). Keys outside the row are ignored.
    void press(DivisionId row, int index);
    void release(DivisionId row, int index);

    // A computer key (its virtual key code) goes down or up while the window has the focus:
    // true when it is one of the keyboard's keys (a note or an octave shift), so nothing else
    // should act on it. A key already down (the system's repeat) plays nothing more.
    bool computerKeyDown(int keyCode);
    bool computerKeyUp(int keyCode);
    // The Great key the lowest computer key plays, and its octave 0..3.
    int computerKeyBase() const { return octave_ * 12; }
    int octave() const { return octave_; }
    // The Great key a computer key plays at the present octave; -1 for one that plays none.
    int computerKeyIndex(int keyCode) const;

    // Lets go of every key the window holds (the window closed, hidden or left).
    void releaseAll();

signals:
    // A key was lit or darkened, or the computer keys moved an octave.
    void keysChanged();

private:
    // The offset above the lowest computer key that a key code plays; -1 for none.
    static int computerKeyOffset(int keyCode);
    void hold(DivisionId row, int index, bool mouse, bool down);
    void sound(DivisionId row, int index, bool on);
    void showComputerKeys();

    Form& window_;
    InputDispatcher& input_;
    ConsoleState& state_;
    // The keys the mouse holds, per row.
    std::array<std::bitset<kManualKeys>, kRows> mouse_{};
    // How many computer keys hold each Great key (after an octave shift two may hold one).
    std::array<uint8_t, kManualKeys> computer_{};
    // The Great key each virtual key code holds; -1 for none.
    std::array<int8_t, 256> computerHeld_{};
    int octave_ = kDefaultOctave;
};

} // namespace vorlo
