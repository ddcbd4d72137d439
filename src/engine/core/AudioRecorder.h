#pragma once

#include <QString>
#include <cstdint>

namespace vorlo {

// Records the sound of the module output to a WAV file while it plays, where the module is one
// whose sound the program makes itself (the built-in synthesizer). The app hands one to the
// console; without one, or while the module output is a device behind a cable, there is no
// sound to record. Called on the user-interface thread.
class AudioRecorder {
public:
    struct Result {
        // The file is complete at its place.
        bool saved = false;
        // Frames in the file, and frames the writing could not keep up with (left out).
        int64_t frames = 0;
        int64_t framesLost = 0;
        // Why the file was not saved.
        QString error;
    };

    virtual ~AudioRecorder() = default;

    // Empty while the sound can be recorded; otherwise one line that says why not.
    virtual QString unavailableReason() = 0;
    // Starts recording to path. Until stop() the sound goes to a temporary file beside it,
    // which then takes its place. False with the reason when the file cannot be made.
    virtual bool start(const QString& path, QString* error) = 0;
    // Ends the recording and completes the file; after a failure the temporary file is gone.
    virtual Result stop() = 0;
    virtual bool isRecording() const = 0;
    // Frames written to the file so far, and the frames of a second.
    virtual int64_t framesWritten() const = 0;
    virtual int sampleRate() const = 0;
    // Non-empty once writing failed (a full disk): the recording cannot go on and should stop.
    virtual QString failure() const = 0;
};

} // namespace vorlo
