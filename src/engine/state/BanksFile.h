#pragma once

#include "CrescendoStages.h"
#include "MemoryBankSet.h"

#include <QByteArray>
#include <QString>

namespace vorlo {

// The file beside the configuration that keeps the memory banks 2..100 between runs (bank 1
// is the twelve free memories, kept as they always were: memory files and the recovery copy).
// A text file: a title line, a version line, one line per stored memory
// ("M <bank> <memory> <the 28 values in the memory files' order>"), the crescendo's stages
// when they are not the default ones ("C <stage> <its ten values in the order of
// CrescendoStages::kFields>"), and a closing line with the number of memory and stage lines
// and a checksum of every byte before it ("END <count> <checksum>"). Lines end in CR LF.
class BanksFile {
public:
    static constexpr const char* FileName = "vorlo2000-banks.txt";
    static constexpr int kVersion = 1;

    // What a read found; for a damaged file, the line (1-based) and what is wrong with it.
    struct ReadResult {
        enum class Status { Read, Missing, Damaged };
        Status status = Status::Missing;
        int line = 0;
        QString reason;
        explicit operator bool() const { return status == Status::Read; }
    };

    static QByteArray serialize(const MemoryBankSet& banks, const CrescendoStages& stages);
    // Reads the banks 2..100 into `banks` (bank 1 untouched) and the stages (the default ones
    // when the file holds none); on any damage nothing is changed.
    static ReadResult parse(const QByteArray& bytes, MemoryBankSet& banks, CrescendoStages& stages);
    static ReadResult read(const QString& path, MemoryBankSet& banks, CrescendoStages& stages);
};

} // namespace vorlo
