#include "Hotkeys.h"

#include "Memories.h"
#include "core/Console.h"
#include "panel/Form.h"

namespace vorlo {
namespace {

constexpr int kKeyF1 = 112;
constexpr int kKeyF12 = 123;

constexpr int kCharZero = '0';
constexpr int kCharOne = '1';
constexpr int kCharNine = '9';
constexpr int kCharApostrophe = '\'';
constexpr int kCharIGrave = 0xEC; // 'ì' in Windows-1252

// Memory numbers: 1..12 free, 13..24 fixed.
constexpr int kFixedOne = 13;

} // namespace

Hotkeys::Hotkeys(Console& console) : console_(console) {
    Form& main = console_.mainForm();
    main.onKeyDown = [this](int keyCode) { Form_KeyDown(keyCode, 0); };
    main.onKeyPress = [this](int charCode) { Form_KeyPress(charCode); };
}

void Hotkeys::Form_KeyDown(int keyCode, int shift) {
    if (keyCode >= kKeyF1 && keyCode <= kKeyF12)
        console_.memories().c_memory_Click(keyCode - kKeyF1 + 1);
}

void Hotkeys::Form_KeyPress(int charCode) {
    int memory = 0;
    if (charCode >= kCharOne && charCode <= kCharNine)
        memory = kFixedOne + (charCode - kCharOne);
    else if (charCode == kCharZero)
        memory = kFixedOne + 9;
    else if (charCode == kCharApostrophe)
        memory = kFixedOne + 10;
    else if (charCode == kCharIGrave)
        memory = kFixedOne + 11;
    if (memory != 0)
        console_.memories().c_memory_Click(memory);
}

} // namespace vorlo
