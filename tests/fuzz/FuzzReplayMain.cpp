// Runs a fuzz target without libFuzzer, so that every build checks it: each seed of the target's
// corpus as it is, then a fixed number of mutations of the seeds (bit flips, byte changes,
// insertions, deletions, cuts and splices) from a fixed random seed, so a failure repeats.
//
//   vorlo-fuzz-replay-<target> RUNS CORPUS_DIR
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void run(const QByteArray& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()),
                           static_cast<size_t>(input.size()));
}

QByteArray mutate(const std::vector<QByteArray>& seeds, std::mt19937& random) {
    auto pick = [&random](qsizetype n) {
        return static_cast<qsizetype>(random() % static_cast<uint32_t>(n > 0 ? n : 1));
    };
    QByteArray bytes = seeds[static_cast<size_t>(pick(static_cast<qsizetype>(seeds.size())))];
    const int changes = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < changes; ++i) {
        switch (random() % 6) {
        case 0: // flip a bit
            if (!bytes.isEmpty())
                bytes[pick(bytes.size())] ^= static_cast<char>(1u << (random() % 8));
            break;
        case 1: // an interesting byte
        {
            static const char kBytes[] = {0,
                                          0x7F,
                                          static_cast<char>(0x80),
                                          static_cast<char>(0xF0),
                                          static_cast<char>(0xF7),
                                          static_cast<char>(0xFF),
                                          '-',
                                          '9',
                                          ',',
                                          '\r',
                                          '\n'};
            if (!bytes.isEmpty())
                bytes[pick(bytes.size())] = kBytes[random() % sizeof kBytes];
            break;
        }
        case 2: // insert a random byte
            bytes.insert(pick(bytes.size() + 1), static_cast<char>(random()));
            break;
        case 3: // delete a run
            if (!bytes.isEmpty())
                bytes.remove(pick(bytes.size()), 1 + pick(16));
            break;
        case 4: // cut short
            bytes.truncate(pick(bytes.size() + 1));
            break;
        default: // splice in part of another seed
        {
            const QByteArray& other =
                seeds[static_cast<size_t>(pick(static_cast<qsizetype>(seeds.size())))];
            const qsizetype from = pick(other.size());
            bytes.insert(pick(bytes.size() + 1), other.mid(from, 1 + pick(64)));
            break;
        }
        }
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s RUNS CORPUS_DIR\n", argv[0]);
        return 2;
    }
    const int runs = QByteArray(argv[1]).toInt();
    const QDir corpus(QString::fromLocal8Bit(argv[2]));
    LLVMFuzzerInitialize(&argc, &argv);

    std::vector<QByteArray> seeds;
    for (const QString& name : corpus.entryList(QDir::Files, QDir::Name)) {
        QFile f(corpus.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read the seed %s\n", qPrintable(f.fileName()));
            return 2;
        }
        seeds.push_back(f.readAll());
    }
    if (seeds.empty()) {
        std::fprintf(stderr, "no seeds in %s\n", argv[2]);
        return 2;
    }
    for (const QByteArray& seed : seeds)
        run(seed);
    std::mt19937 random(20261206);
    for (int i = 0; i < runs; ++i)
        run(mutate(seeds, random));
    std::printf("%zu seeds and %d mutations ran without a fault\n", seeds.size(), runs);
    return 0;
}
