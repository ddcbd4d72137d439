// The stops table (.dat) reader: the input is the program folder's vorlo2000.dat at start-up.
#include "FuzzConsole.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    vorlo::fuzz::initialise(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vorlo::fuzz::FuzzConsole c;
    c.putFile(QStringLiteral("vorlo2000.dat"),
              QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    c.putDefaultConfig();
    c.start();
    c.playRegistration();
    c.stop();
    return 0;
}
