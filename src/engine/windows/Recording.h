#pragma once

#include "ConsoleListener.h"
#include "MidiFileRecorder.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>

namespace vorlo {

class AudioRecorder;
class ConsoleReset;
class ConsoleState;
class Dialogs;
class Form;
class PacedOutputPort;

// The Record window (File > Record): records, between Start and Stop, everything the console
// sends to the module as a Standard MIDI File (MidiFileRecorder on the output's tap), and the
// built-in synthesizer's sound as a WAV file (the AudioRecorder the app gave, while the module
// output is that synthesizer). Both files take one name, with ".mid" and ".wav": a new one with
// the date and time for each recording unless the player named one. The elapsed time is shown
// twice a second by a timer, never by the note path; the same look stops a recording whose MIDI
// room ran out or whose sound could not be written, and tells the player.
//
// With "Begin with the registration" ticked, Start sends the module its whole set-up again
// (the module reset, the temperament, the registration in force, as when a module comes back),
// so the file begins with everything a module needs to sound like the console and can be
// played on another module. The window follows the module output as the devices change.
//
// Files are written safely: the MIDI file through SafeFile at Stop (a file that cannot be
// written is offered another name, so what was played is not lost), the WAV file on a
// temporary name that takes its place at Stop. Ending the program ends the recording and
// completes both files.
class Recording : public QObject, public ConsoleListener {
    Q_OBJECT
public:
    using Clock = MidiFileRecorder::Clock;
    using ClockFunction = MidiFileRecorder::ClockFunction;

    // How often the elapsed time is shown and the recorders are looked at, in milliseconds.
    static constexpr int kTickMs = 500;
    static constexpr const char* kMidiSuffix = ".mid";
    static constexpr const char* kAudioSuffix = ".wav";

    // main: the main window with the menu item; window: the Record window. audio may be null
    // (no sound of the program's own to record).
    Recording(ConsoleState& state, Form& main, Form& window, Dialogs& dialogs,
              PacedOutputPort& output, ConsoleReset& reset, AudioRecorder* audio);
    ~Recording() override;

    // Menu "&Record...": loads and shows the window, or brings it to the front.
    void RecordMenu_Click();
    void Form_Load();
    // "File name...": the player names the files of the next recording.
    void ButtonFileName_Click();
    // "Start" / "Stop".
    void ButtonStart_Click();

    bool start();
    // Ends the recording and saves its files, telling the player what could not be saved.
    void stop();
    bool isRecording() const { return recording_; }
    // The program ends: a recording in progress is stopped and its files completed.
    void finishAtEnd();

    // The files' name without its extension: the player's, or a new one with the date and time
    // in the default folder.
    QString baseName() const;
    static QString defaultBaseName(const QString& folder, const QDateTime& when);
    // The folder new names go to: the player's Music folder, else Documents, else home.
    QString defaultFolder() const { return defaultFolder_; }
    void setDefaultFolder(const QString& folder) { defaultFolder_ = folder; }

    // Another module output may have another sound to record.
    void devicesChanged() override { showAvailability(); }

    // Shows the elapsed time and stops a recording that cannot go on (the timer calls it).
    void tick();
    // "h:mm:ss".
    static QString elapsedText(std::chrono::milliseconds elapsed);

    MidiFileRecorder& midiFile() { return midi_; }
    // The room a MIDI recording reserves (tests make it small).
    void setMidiRoom(size_t bytes) { midiRoom_ = bytes; }
    // The clock the elapsed time and the MIDI file's times follow (tests drive their own).
    void setClock(ClockFunction clock);

private:
    bool midiChosen() const;
    bool audioChosen() const;
    void showAvailability();
    void showFileName();
    // Writes the MIDI file, offering another name while it cannot be written; the name saved
    // or empty.
    QString saveMidi(const QByteArray& bytes, const QString& path);
    QString title() const;
    void warn(const QString& text);
    // Whether a file can be made in the folder (made when missing); tells the player if not.
    bool folderTakesFiles(const QString& folder);
    // The window while recording: Stop, the choices held, what is recorded.
    void showRecording();

    ConsoleState& state_;
    Form& window_;
    Dialogs& dialogs_;
    PacedOutputPort& output_;
    ConsoleReset& reset_;
    AudioRecorder* audio_;
    MidiFileRecorder midi_;
    QTimer timer_;
    ClockFunction clock_ = &Clock::now;
    Clock::time_point began_{};
    QString chosenBase_;
    QString defaultFolder_;
    // The name of the recording in progress.
    QString base_;
    size_t midiRoom_ = MidiFileRecorder::kDefaultRoom;
    bool recording_ = false;
    bool recordingMidi_ = false;
    bool recordingAudio_ = false;
};

} // namespace vorlo
