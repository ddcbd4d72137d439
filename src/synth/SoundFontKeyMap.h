#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace vorlo {

// Which zones each key of a SoundFont preset plays, read from the file's preset and instrument
// zones (key and velocity ranges). Keys that play the same zones play the same samples with the
// same tuning, so one of them stands for the whole range.
class SoundFontKeyMap {
public:
    static constexpr int kKeys = 128;

    // Reads the zone tables of an .sf2/.sf3 file; false when it holds none that make sense.
    bool read(const QString& path);

    // Per key of the preset struck at a velocity: a number shared by the keys that play the
    // same zones, -1 for a key that plays none. Empty when the preset is not known.
    std::vector<int> rangesOf(int bank, int program, int velocity) const;

private:
    struct Zone {
        int keyLow = 0, keyHigh = 127, velLow = 0, velHigh = 127;
        int link = -1; // the instrument (preset zone) or the sample (instrument zone)
    };
    // Zones of each preset (or instrument), in file order; a first zone without a link is
    // the global zone, whose ranges the others start from.
    static std::vector<std::vector<Zone>> zones(const QByteArray& headers, int headerSize,
                                                int bagAt, const QByteArray& bags,
                                                const QByteArray& gens, int linkGenerator);

    struct Preset {
        int bank, program;
    };
    std::vector<Preset> presets_;
    std::vector<std::vector<Zone>> presetZones_;
    std::vector<std::vector<Zone>> instrumentZones_;
};

} // namespace vorlo
