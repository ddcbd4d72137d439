// The memory file (.sqs) reader: the input is the file chosen in File > Open.
#include "FuzzConsole.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    vorlo::fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vorlo::fuzz::FuzzConsole c;
    c.putDefaultTable();
    c.putDefaultConfig();
    c.start();
    c.loadMemoryFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    c.playRegistration();
    c.stop();
    return 0;
}
