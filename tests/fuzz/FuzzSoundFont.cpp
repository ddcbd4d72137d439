// The SoundFont's zone tables, read to find the keys that share samples: the input is the
// player's .sf2 file.
#include "SoundFontKeyMap.h"

#include <QByteArray>
#include <QTemporaryFile>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTemporaryFile file;
    if (!file.open())
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    file.close();
    vorlo::SoundFontKeyMap map;
    map.read(file.fileName());
    // The organ's tones, the reinforcement's sine and a preset no file has.
    const int presets[][2] = {{0, 19}, {8, 19}, {8, 80}, {0, 0}, {127, 127}};
    for (const auto& p : presets) {
        for (int velocity : {0, 64, 127}) {
            const std::vector<int> ranges = map.rangesOf(p[0], p[1], velocity);
            if (!ranges.empty() && ranges.size() != size_t(vorlo::SoundFontKeyMap::kKeys))
                std::abort();
            for (int r : ranges) {
                if (r < -1 || r >= vorlo::SoundFontKeyMap::kKeys * vorlo::SoundFontKeyMap::kKeys)
                    std::abort();
            }
        }
    }
    return 0;
}
