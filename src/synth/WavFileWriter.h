#pragma once

#include <QFile>
#include <QString>
#include <cstdint>
#include <vector>

namespace vorlo {

// A 16-bit stereo PCM WAV file written as it grows. The header's sizes are brought up to date
// at least once a second of audio (and the data pushed to the system), so that a recording
// cut short by a crash still opens with all but its last second; finish() makes them exact.
// Samples are floats of full scale 1.0, rounded to 16 bits.
class WavFileWriter {
public:
    explicit WavFileWriter(int sampleRate);
    ~WavFileWriter();
    WavFileWriter(const WavFileWriter&) = delete;
    WavFileWriter& operator=(const WavFileWriter&) = delete;

    // Creates (or replaces) the file and writes an empty recording's header.
    bool open(const QString& path);
    // Appends frames; false once a write failed (nothing more is written, the header keeps
    // what was written before).
    bool write(const float* left, const float* right, int frames);
    // Writes the final sizes and closes the file.
    bool finish();

    QString errorString() const {
        return limitReached_ ? QStringLiteral("a WAV file holds at most 4 GB")
                             : file_.errorString();
    }
    int64_t frames() const { return frames_; }

private:
    bool writeSizes();

    QFile file_;
    int sampleRate_;
    int64_t frames_ = 0;
    int64_t framesAtLastSizes_ = 0;
    bool failed_ = false;
    bool limitReached_ = false;
    std::vector<char> buffer_;
};

} // namespace vorlo
