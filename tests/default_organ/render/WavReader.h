#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <vector>

// A 16-bit PCM mono WAVE file as written by the renderer.
class WavReader {
public:
    struct Sound {
        int sampleRate = 0;
        std::vector<int16_t> samples;
    };
    static std::optional<Sound> parse(const QByteArray& file);
};
