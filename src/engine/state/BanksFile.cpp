#include "BanksFile.h"

#include "NumberText.h"

#include <QFile>
#include <QList>

namespace vorlo {
namespace {

const QByteArray kTitle = QByteArrayLiteral("VORLO2000 MEMORY BANKS");
const QByteArray kVersionWord = QByteArrayLiteral("VERSION");
const QByteArray kMemoryWord = QByteArrayLiteral("M");
const QByteArray kStageWord = QByteArrayLiteral("C");
// A stage line: the word, the stage, then its values.
constexpr int kStageLineWords = 2 + static_cast<int>(CrescendoStages::kFields.size());
const QByteArray kEndWord = QByteArrayLiteral("END");
const QByteArray kCrLf = QByteArrayLiteral("\r\n");
// Bank 1 is never written: it lives in the memory files as it always has.
constexpr int kFirstKeptBank = 2;
// A memory line: the word, bank, memory, then the values.
constexpr int kMemoryLineWords = 3 + kFieldCount;
constexpr int kChecksumDigits = 4;

QByteArray checksumText(QByteArrayView bytes) {
    return QByteArray::number(qChecksum(bytes), 16).rightJustified(kChecksumDigits, '0');
}

BanksFile::ReadResult damaged(int line, const QString& reason) {
    BanksFile::ReadResult r;
    r.status = BanksFile::ReadResult::Status::Damaged;
    r.line = line;
    r.reason = reason;
    return r;
}

std::optional<int> number(const QByteArray& word) {
    // Plain digits with an optional minus: nothing NumberText would round or skip.
    if (word.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char ch = word[i];
        if (!(ch >= '0' && ch <= '9') && !(i == 0 && ch == '-' && word.size() > 1))
            return std::nullopt;
    }
    const auto v = NumberText::parseInteger(word);
    if (!v)
        return std::nullopt;
    return *v;
}

} // namespace

QByteArray BanksFile::serialize(const MemoryBankSet& banks, const CrescendoStages& stages) {
    QByteArray out;
    out.append(kTitle).append(kCrLf);
    out.append(kVersionWord).append(' ').append(QByteArray::number(kVersion)).append(kCrLf);
    int count = 0;
    for (int b = kFirstKeptBank; b <= kBankCount; ++b) {
        for (int m = 1; m <= kMemoriesPerBank; ++m) {
            if (!banks.isStored(b, m))
                continue;
            const Registration& r = banks.memory(b, m);
            out.append(kMemoryWord).append(' ').append(QByteArray::number(b));
            out.append(' ').append(QByteArray::number(m));
            for (int f = 0; f < kFieldCount; ++f)
                out.append(' ').append(QByteArray::number(r[static_cast<SlotField>(f)]));
            out.append(kCrLf);
            ++count;
        }
    }
    if (!(stages == CrescendoStages())) {
        for (int n = 1; n <= kCrescendoStageCount; ++n) {
            out.append(kStageWord).append(' ').append(QByteArray::number(n));
            for (SlotField f : CrescendoStages::kFields)
                out.append(' ').append(QByteArray::number(stages.stage(n)[f]));
            out.append(kCrLf);
            ++count;
        }
    }
    const QByteArray sum = checksumText(out);
    out.append(kEndWord).append(' ').append(QByteArray::number(count)).append(' ').append(sum);
    out.append(kCrLf);
    return out;
}

BanksFile::ReadResult BanksFile::parse(const QByteArray& bytes, MemoryBankSet& banks,
                                       CrescendoStages& stages) {
    if (!bytes.endsWith(kCrLf))
        return damaged(0, QStringLiteral("the file does not end with its closing line"));
    const QList<QByteArray> lines = bytes.chopped(kCrLf.size()).split('\n');
    // Every line but the last ends in CR before the LF the split removed.
    QList<QByteArray> text;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool last = i + 1 == lines.size();
        if (!last && !lines[i].endsWith('\r'))
            return damaged(static_cast<int>(i + 1), QStringLiteral("a line without CR LF"));
        text.append(last ? lines[i] : lines[i].chopped(1));
    }
    if (text.size() < 3 || text[0] != kTitle)
        return damaged(1, QStringLiteral("this is not a memory banks file"));
    const QList<QByteArray> version = text[1].split(' ');
    if (version.size() != 2 || version[0] != kVersionWord || !number(version[1]))
        return damaged(2, QStringLiteral("the version line is missing"));
    if (*number(version[1]) != kVersion)
        return damaged(2, QStringLiteral("the file has version %1; this program reads version %2")
                              .arg(QString::fromLatin1(version[1]))
                              .arg(kVersion));

    // The closing line: the count of memory lines and the checksum of everything before it.
    const int endLine = static_cast<int>(text.size());
    const QList<QByteArray> end = text.last().split(' ');
    const qsizetype bodySize = bytes.size() - text.last().size() - kCrLf.size();
    if (end.size() != 3 || end[0] != kEndWord || !number(end[1]))
        return damaged(endLine, QStringLiteral("the closing line is missing or incomplete"));
    if (end[2] != checksumText(QByteArrayView(bytes).first(bodySize)))
        return damaged(endLine, QStringLiteral("the checksum does not match the contents"));
    if (*number(end[1]) != endLine - 3)
        return damaged(endLine, QStringLiteral("the number of lines does not match"));

    MemoryBankSet read = banks;
    for (int b = kFirstKeptBank; b <= kBankCount; ++b) {
        for (int m = 1; m <= kMemoriesPerBank; ++m)
            read.memory(b, m) = Registration::startValues();
    }
    CrescendoStages readStages;
    for (int i = 2; i < endLine - 1; ++i) {
        const int line = i + 1;
        const QList<QByteArray> words = text[i].split(' ');
        if (!words.isEmpty() && words[0] == kStageWord) {
            if (words.size() != kStageLineWords)
                return damaged(
                    line,
                    QStringLiteral("a stage line should hold %1 numbers").arg(kStageLineWords - 1));
            const auto n = number(words[1]);
            if (!n || !CrescendoStages::isStage(*n))
                return damaged(line, QStringLiteral("no such crescendo stage"));
            Registration r = readStages.stage(*n);
            for (std::size_t k = 0; k < CrescendoStages::kFields.size(); ++k) {
                const auto v = number(words[2 + static_cast<qsizetype>(k)]);
                if (!v)
                    return damaged(line, QStringLiteral("value %1 is not a number").arg(k + 1));
                r[CrescendoStages::kFields[k]] = static_cast<int16_t>(*v);
            }
            readStages.store(*n, r);
            continue;
        }
        if (words.size() != kMemoryLineWords || words[0] != kMemoryWord)
            return damaged(
                line,
                QStringLiteral("a memory line should hold %1 numbers").arg(kMemoryLineWords - 1));
        const auto bank = number(words[1]);
        const auto memory = number(words[2]);
        if (!bank || !memory || *bank < kFirstKeptBank || !MemoryBankSet::isPlace(*bank, *memory))
            return damaged(line, QStringLiteral("no such bank memory"));
        Registration r;
        for (int f = 0; f < kFieldCount; ++f) {
            const auto v = number(words[3 + f]);
            if (!v)
                return damaged(line, QStringLiteral("value %1 is not a number").arg(f + 1));
            r[static_cast<SlotField>(f)] = static_cast<int16_t>(*v);
        }
        read.memory(*bank, *memory) = r;
    }
    banks = read;
    stages = readStages;
    ReadResult ok;
    ok.status = ReadResult::Status::Read;
    return ok;
}

BanksFile::ReadResult BanksFile::read(const QString& path, MemoryBankSet& banks,
                                      CrescendoStages& stages) {
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return damaged(0, file.errorString());
    return parse(file.readAll(), banks, stages);
}

} // namespace vorlo
