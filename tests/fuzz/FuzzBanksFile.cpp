// The memory banks file (vorlo2000-banks.txt), as a damaged disk or another program may have
// left it: read; whatever reads must write back to bytes that read as the same banks.
#include "BanksFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    vorlo::MemoryBankSet banks;
    banks.memory(1, 1).MemPED = 3; // bank 1 is never the file's to change
    const vorlo::MemoryBankSet before = banks;
    vorlo::CrescendoStages stages;
    if (!vorlo::BanksFile::parse(bytes, banks, stages)) {
        if (!(banks == before) || !(stages == vorlo::CrescendoStages()))
            std::abort(); // a file that does not read changes nothing
        return 0;
    }
    if (!(banks.memory(1, 1) == before.memory(1, 1)))
        std::abort();
    const QByteArray written = vorlo::BanksFile::serialize(banks, stages);
    vorlo::MemoryBankSet again = before;
    vorlo::CrescendoStages stagesAgain;
    if (!vorlo::BanksFile::parse(written, again, stagesAgain) || !(again == banks) ||
        !(stagesAgain == stages))
        std::abort();
    return 0;
}
