#include "Hotkeys.h"

#include "CommandExecutor.h"
#include "Form.h"

namespace vorlo {
namespace {

constexpr int kKeyF1 = 112;
constexpr int kKeyF12 = 123;
// Page Up and Page Down step through the memory sequence, as a page-turner pedal sends them.
constexpr int kKeyPageUp = 33;
constexpr int kKeyPageDown = 34;

constexpr int kCharZero = '0';
constexpr int kCharOne = '1';
constexpr int kCharNine = '9';
constexpr int kCharApostrophe = '\'';
constexpr int kCharIGrave = 0xEC; // 'ì' in Windows-1252
// The transposer: '-' a semitone down, '+' a semitone up (the numeric keypad's as well).
constexpr int kCharMinus = '-';
constexpr int kCharPlus = '+';
// Ctrl+Z and Ctrl+Y type the control characters 26 and 25: undo and redo the registration.
constexpr int kCharCtrlZ = 26;
constexpr int kCharCtrlY = 25;

} // namespace

Hotkeys::Hotkeys(Form& main, CommandExecutor& commands) : commands_(commands) {
    main.onKeyDown = [this](int keyCode) { Form_KeyDown(keyCode, 0); };
    main.onKeyPress = [this](int charCode) { Form_KeyPress(charCode); };
}

std::optional<ConsoleCommand> Hotkeys::keyDownCommand(int keyCode) {
    if (keyCode >= kKeyF1 && keyCode <= kKeyF12)
        return ConsoleCommand::freeMemory(keyCode - kKeyF1 + 1);
    if (keyCode == kKeyPageUp)
        return ConsoleCommand::sequencePrevious();
    if (keyCode == kKeyPageDown)
        return ConsoleCommand::sequenceNext();
    return std::nullopt;
}

std::optional<ConsoleCommand> Hotkeys::keyPressCommand(int charCode) {
    if (charCode >= kCharOne && charCode <= kCharNine)
        return ConsoleCommand::fixedMemory(charCode - kCharOne + 1);
    if (charCode == kCharZero)
        return ConsoleCommand::fixedMemory(10);
    if (charCode == kCharApostrophe)
        return ConsoleCommand::fixedMemory(11);
    if (charCode == kCharIGrave)
        return ConsoleCommand::fixedMemory(12);
    if (charCode == kCharMinus)
        return ConsoleCommand::transposeStep(-1);
    if (charCode == kCharPlus)
        return ConsoleCommand::transposeStep(1);
    if (charCode == kCharCtrlZ)
        return ConsoleCommand::undoRegistration();
    if (charCode == kCharCtrlY)
        return ConsoleCommand::redoRegistration();
    return std::nullopt;
}

void Hotkeys::Form_KeyDown(int keyCode, int shift) {
    if (const auto command = keyDownCommand(keyCode))
        commands_.execute(*command);
}

void Hotkeys::Form_KeyPress(int charCode) {
    if (const auto command = keyPressCommand(charCode))
        commands_.execute(*command);
}

} // namespace vorlo
