#include "OnScreenKeyboard.h"

#include "ConsoleState.h"
#include "Form.h"
#include "InputDispatcher.h"
#include "KeyboardWindowControls.h"
#include "MainWindowControls.h"

namespace vorlo {
namespace {

constexpr int kNoKey = -1;
constexpr int kKeysPerOctave = 12;

// The two-row piano mapping: the virtual key code of each computer key, by its offset above the
// lowest one (letters and digits share their character codes).
constexpr std::array<char, OnScreenKeyboard::kComputerCompass> kComputerKeys = {
    'Z', 'S', 'X', 'D', 'C', 'V', 'G', 'B', 'H', 'N', 'J', 'M', // the lower octave
    'Q', '2', 'W', '3', 'E', 'R', '5', 'T', '6', 'Y', '7', 'U', // the upper octave
    'I', '9', 'O', '0', 'P'};                                   // and a third above

const char* const kOrdinals[] = {"first", "second", "third", "fourth"};

size_t row(DivisionId division) {
    return static_cast<size_t>(division);
}

} // namespace

OnScreenKeyboard::OnScreenKeyboard(ConsoleState& state, Form& main, Form& window,
                                   InputDispatcher& input)
    : window_(window), input_(input), state_(state) {
    computerHeld_.fill(kNoKey);
    main(ctl::main::OnScreenKbd).onClick = [this] { OnScreenKbd_Click(); };
    // Closing the window lets go of what it holds; so does hiding or unloading it by any road
    // (the program's end unloads every window).
    window_.onQueryUnload = [this] {
        releaseAll();
        return false;
    };
    QObject::connect(&window_, &Form::changed, this, [this] {
        if (!window_.isVisible())
            releaseAll();
    });
    QObject::connect(&window_, &Form::loadedChanged, this, [this](bool loaded) {
        if (!loaded)
            releaseAll();
    });
    showComputerKeys();
}

void OnScreenKeyboard::OnScreenKbd_Click() {
    if (!window_.isLoaded())
        Form_Load();
    window_.bringToFront();
}

void OnScreenKeyboard::Form_Load() {
    window_.setLoaded(true);
    window_.setPicture(state_.appFile(QStringLiteral("pingu1.ico")));
    showComputerKeys();
}

int OnScreenKeyboard::keyCount(DivisionId division) {
    return division == DivisionId::Pedal ? kPedalKeys : kManualKeys;
}

bool OnScreenKeyboard::isHeld(DivisionId division, int index) const {
    if (index < 0 || index >= keyCount(division))
        return false;
    const auto i = static_cast<size_t>(index);
    return mouse_[row(division)].test(i) || (division == DivisionId::Great && computer_[i] > 0);
}

void OnScreenKeyboard::press(DivisionId division, int index) {
    hold(division, index, true, true);
}

void OnScreenKeyboard::release(DivisionId division, int index) {
    hold(division, index, true, false);
}

int OnScreenKeyboard::computerKeyOffset(int keyCode) {
    for (size_t i = 0; i < kComputerKeys.size(); ++i) {
        if (kComputerKeys[i] == keyCode)
            return static_cast<int>(i);
    }
    return kNoKey;
}

int OnScreenKeyboard::computerKeyIndex(int keyCode) const {
    const int offset = computerKeyOffset(keyCode);
    if (offset == kNoKey)
        return kNoKey;
    const int index = computerKeyBase() + offset;
    return index < kManualKeys ? index : kNoKey;
}

bool OnScreenKeyboard::computerKeyDown(int keyCode) {
    if (keyCode == kKeyOctaveDown || keyCode == kKeyOctaveUp) {
        // Keys already down keep the notes they play: their release finds them.
        const int next =
            std::clamp(octave_ + (keyCode == kKeyOctaveUp ? 1 : -1), kFirstOctave, kLastOctave);
        if (next != octave_) {
            octave_ = next;
            showComputerKeys();
            emit keysChanged();
        }
        return true;
    }
    if (computerKeyOffset(keyCode) == kNoKey)
        return false;
    auto& held = computerHeld_[static_cast<size_t>(keyCode)];
    const int index = computerKeyIndex(keyCode);
    if (held != kNoKey || index == kNoKey)
        return true; // repeated, or above the manual's compass at this octave
    held = static_cast<int8_t>(index);
    hold(DivisionId::Great, index, false, true);
    return true;
}

bool OnScreenKeyboard::computerKeyUp(int keyCode) {
    if (keyCode == kKeyOctaveDown || keyCode == kKeyOctaveUp)
        return true;
    if (computerKeyOffset(keyCode) == kNoKey)
        return false;
    auto& held = computerHeld_[static_cast<size_t>(keyCode)];
    if (held == kNoKey)
        return true;
    const int index = held;
    held = kNoKey;
    hold(DivisionId::Great, index, false, false);
    return true;
}

void OnScreenKeyboard::hold(DivisionId division, int index, bool mouse, bool down) {
    if (index < 0 || index >= keyCount(division))
        return;
    const auto i = static_cast<size_t>(index);
    const bool before = isHeld(division, index);
    if (mouse) {
        mouse_[row(division)].set(i, down);
    } else if (down) {
        ++computer_[i];
    } else if (computer_[i] > 0) {
        --computer_[i];
    }
    const bool after = isHeld(division, index);
    if (before == after)
        return;
    sound(division, index, after);
    emit keysChanged();
}

void OnScreenKeyboard::sound(DivisionId division, int index, bool on) {
    input_.screenNote(division, noteOf(index), on ? kVelocity : 0);
}

void OnScreenKeyboard::releaseAll() {
    computerHeld_.fill(kNoKey);
    bool any = false;
    for (DivisionId division : {DivisionId::Great, DivisionId::Swell, DivisionId::Pedal}) {
        for (int index = 0; index < keyCount(division); ++index) {
            if (!isHeld(division, index))
                continue;
            mouse_[row(division)].reset(static_cast<size_t>(index));
            if (division == DivisionId::Great)
                computer_[static_cast<size_t>(index)] = 0;
            sound(division, index, false);
            any = true;
        }
    }
    if (any)
        emit keysChanged();
}

void OnScreenKeyboard::showComputerKeys() {
    window_(ctl::keyboard::LabelComputerKeys)
        .setCaption(QStringLiteral("Computer keys Z to M and Q to P play the Great from its %1 "
                                   "C; Left and Right shift them an octave.")
                        .arg(QString::fromLatin1(kOrdinals[octave_])));
}

} // namespace vorlo
