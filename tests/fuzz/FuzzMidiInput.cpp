// The MIDI input byte stream. The first input byte chooses the keyboard (bit 7) and the size of
// the pieces the bytes arrive in (bits 0..3, 1..16); the rest is played into the console.
#include "FuzzConsole.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    vorlo::fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    vorlo::fuzz::FuzzConsole c;
    c.putDefaultTable();
    c.putDefaultConfig();
    c.start();
    const int keyboard = (data[0] & 0x80) ? 2 : 1;
    const size_t piece = (data[0] & 0x0F) + 1;
    c.play(keyboard, data + 1, size - 1, piece);
    c.playRegistration();
    c.stop();
    return 0;
}
