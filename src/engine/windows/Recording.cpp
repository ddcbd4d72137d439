#include "Recording.h"

#include "AudioRecorder.h"
#include "ConsoleReset.h"
#include "ConsoleState.h"
#include "Dialogs.h"
#include "Form.h"
#include "MainWindowControls.h"
#include "PacedOutputPort.h"
#include "RecordWindowControls.h"
#include "SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace vorlo {
namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;
constexpr int kMsPerSecond = 1000;

QString withoutRecordingSuffix(const QString& path) {
    for (const char* suffix : {Recording::kMidiSuffix, Recording::kAudioSuffix}) {
        if (path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return path.left(path.size() - static_cast<qsizetype>(qstrlen(suffix)));
    }
    return path;
}

QString firstFolder() {
    for (auto where : {QStandardPaths::MusicLocation, QStandardPaths::DocumentsLocation,
                       QStandardPaths::HomeLocation}) {
        const QString folder = QStandardPaths::writableLocation(where);
        if (!folder.isEmpty())
            return folder;
    }
    return QDir::homePath();
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

Recording::Recording(ConsoleState& state, Form& main, Form& window, Dialogs& dialogs,
                     PacedOutputPort& output, ConsoleReset& reset, AudioRecorder* audio)
    : state_(state), window_(window), dialogs_(dialogs), output_(output), reset_(reset),
      audio_(audio), defaultFolder_(firstFolder()) {
    using namespace ctl::record;
    main(ctl::main::RecordMenu).onClick = [this] { RecordMenu_Click(); };
    window_(ButtonFileName).onClick = [this] { ButtonFileName_Click(); };
    window_(ButtonStart).onClick = [this] { ButtonStart_Click(); };
    window_(CheckMidiFile).onClick = [this] { showFileName(); };
    window_(CheckAudio).onClick = [this] { showFileName(); };
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &Recording::tick);
    showAvailability();
    showFileName();
}

Recording::~Recording() {
    // Whatever was recorded is saved; nobody is left to tell of a failure.
    if (recording_) {
        output_.setTap(nullptr);
        const QByteArray bytes = midi_.finish();
        if (recordingMidi_)
            SafeFile::write(base_ + QLatin1String(kMidiSuffix), bytes);
        if (recordingAudio_ && audio_)
            audio_->stop();
    }
}

void Recording::setClock(ClockFunction clock) {
    clock_ = clock;
    midi_.setClock(clock);
}

QString Recording::title() const {
    return state_.ProgramTitle.isEmpty() ? QStringLiteral("Record") : state_.ProgramTitle;
}

void Recording::RecordMenu_Click() {
    if (!window_.isLoaded())
        Form_Load();
    showAvailability();
    window_.bringToFront();
}

void Recording::Form_Load() {
    window_.setLoaded(true);
    window_.setPicture(state_.appFile(QStringLiteral("pingu1.ico")));
    showAvailability();
    showFileName();
}

bool Recording::midiChosen() const {
    return window_(ctl::record::CheckMidiFile).value() != 0;
}

bool Recording::audioChosen() const {
    const Control& audio = window_(ctl::record::CheckAudio);
    return audio.isEnabled() && audio.value() != 0;
}

void Recording::showAvailability() {
    using namespace ctl::record;
    if (recording_)
        return;
    const QString why = audio_ ? audio_->unavailableReason()
                               : QStringLiteral("This console has no sound of its own to record.");
    window_(CheckAudio).setEnabled(why.isEmpty());
    window_(LabelAudioReason).setCaption(why);
    window_(LabelAudioReason).setVisible(!why.isEmpty());
    showFileName();
}

QString Recording::defaultBaseName(const QString& folder, const QDateTime& when) {
    return QDir(folder).filePath(
        QStringLiteral("vorlo2000 %1").arg(when.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss"))));
}

QString Recording::baseName() const {
    if (!chosenBase_.isEmpty())
        return chosenBase_;
    // A new name never takes an earlier recording's (two within one second).
    const QString base = defaultBaseName(defaultFolder_, QDateTime::currentDateTime());
    QString name = base;
    for (int n = 2; QFileInfo::exists(name + QLatin1String(kMidiSuffix)) ||
                    QFileInfo::exists(name + QLatin1String(kAudioSuffix));
         ++n)
        name = QStringLiteral("%1 (%2)").arg(base).arg(n);
    return name;
}

void Recording::showFileName() {
    using namespace ctl::record;
    const QString base = recording_ ? base_ : baseName();
    QStringList names;
    if (midiChosen() || (recording_ && recordingMidi_))
        names << QFileInfo(base + QLatin1String(kMidiSuffix)).fileName();
    if (audioChosen() || (recording_ && recordingAudio_))
        names << QFileInfo(base + QLatin1String(kAudioSuffix)).fileName();
    Control& label = window_(LabelFileName);
    label.setCaption(names.isEmpty() ? QStringLiteral("Nothing chosen to record")
                                     : names.join(QStringLiteral(", ")));
    label.setToolTip(shown(QFileInfo(base).absolutePath()));
}

void Recording::ButtonFileName_Click() {
    if (recording_)
        return;
    const auto name = dialogs_.saveFileName(QStringLiteral("Record to"), QStringLiteral("*.mid"),
                                            QStringLiteral("mid"));
    if (!name || name->trimmed().isEmpty())
        return;
    chosenBase_ = withoutRecordingSuffix(QFileInfo(*name).absoluteFilePath());
    showFileName();
}

void Recording::ButtonStart_Click() {
    if (recording_)
        stop();
    else
        start();
}

bool Recording::start() {
    using namespace ctl::record;
    if (recording_)
        return true;
    const bool audioWanted = window_(CheckAudio).value() != 0;
    showAvailability();
    const bool midi = midiChosen();
    const bool audio = audioChosen() && audio_;
    if (audioWanted && !audio) {
        // The module output changed since the player ticked the sound.
        warn(QStringLiteral("The sound cannot be recorded: %1")
                 .arg(window_(LabelAudioReason).caption()));
        return false;
    }
    if (!midi && !audio) {
        warn(QStringLiteral("Choose what to record: the MIDI file, the audio, or both."));
        return false;
    }
    const QString base = baseName();
    if (!folderTakesFiles(QFileInfo(base).absolutePath()))
        return false;
    if (audio) {
        QString why;
        if (!audio_->start(base + QLatin1String(kAudioSuffix), &why)) {
            warn(QStringLiteral("The sound cannot be recorded to \"%1\" (%2).")
                     .arg(shown(base + QLatin1String(kAudioSuffix)), why));
            return false;
        }
    }
    if (midi) {
        midi_.start(midiRoom_);
        output_.setTap(&midi_);
    }
    base_ = base;
    recording_ = true;
    recordingMidi_ = midi;
    recordingAudio_ = audio;
    began_ = clock_();
    showRecording();
    timer_.start();
    // The set-up goes out as the first thing recorded (its waits let events run: a Stop
    // meanwhile ends the recording there).
    if (midi && window_(CheckSetUp).value() != 0)
        reset_.restoreModule();
    return true;
}

bool Recording::folderTakesFiles(const QString& folder) {
    // The default folder may not be there yet; a folder that cannot take a file is told now,
    // before anything is played into the recording.
    QDir().mkpath(folder);
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vorlo2000-record-XXXXXX")));
    if (probe.open())
        return true;
    warn(QStringLiteral("Nothing can be recorded in the folder \"%1\" (%2). Choose another file "
                        "name.")
             .arg(shown(folder), probe.errorString()));
    return false;
}

void Recording::warn(const QString& text) {
    dialogs_.message(text, title(), Dialogs::Icon::Exclamation);
}

void Recording::showRecording() {
    using namespace ctl::record;
    window_(ButtonStart).setCaption(QStringLiteral("&Stop"));
    window_(ButtonFileName).setEnabled(false);
    window_(CheckMidiFile).setEnabled(false);
    window_(CheckAudio).setEnabled(false);
    window_(CheckSetUp).setEnabled(false);
    QStringList what;
    if (recordingMidi_)
        what << QStringLiteral("the MIDI file");
    if (recordingAudio_)
        what << QStringLiteral("the sound");
    window_(LabelStatus)
        .setCaption(QStringLiteral("Recording %1.").arg(what.join(QStringLiteral(" and "))));
    window_(LabelElapsed).setCaption(elapsedText(std::chrono::milliseconds(0)));
    showFileName();
}

QString Recording::elapsedText(std::chrono::milliseconds elapsed) {
    const int64_t seconds = std::max<int64_t>(0, elapsed.count() / kMsPerSecond);
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / kSecondsPerHour)
        .arg((seconds % kSecondsPerHour) / kSecondsPerMinute, 2, 10, QLatin1Char('0'))
        .arg(seconds % kSecondsPerMinute, 2, 10, QLatin1Char('0'));
}

void Recording::tick() {
    if (!recording_)
        return;
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(clock_() - began_);
    window_(ctl::record::LabelElapsed).setCaption(elapsedText(elapsed));
    if (recordingAudio_ && audio_ && !audio_->failure().isEmpty()) {
        // Stopping tells the player why the sound was not saved.
        stop();
        return;
    }
    if (!recordingMidi_ || !midi_.isFull())
        return;
    stop();
    warn(QStringLiteral("The MIDI file's room is full after %1: the recording stopped there.")
             .arg(elapsedText(elapsed)));
}

QString Recording::saveMidi(const QByteArray& bytes, const QString& path) {
    QString target = path;
    for (;;) {
        QString why;
        if (SafeFile::write(target, bytes, &why))
            return target;
        if (!dialogs_.askYesNo(QStringLiteral("The MIDI file \"%1\" could not be written (%2). "
                                              "Save the recording under another name?")
                                   .arg(shown(target), why),
                               title()))
            return {};
        const auto other = dialogs_.saveFileName(QStringLiteral("Save the MIDI recording as"),
                                                 QStringLiteral("*.mid"), QStringLiteral("mid"));
        if (!other || other->trimmed().isEmpty())
            return {};
        target = *other;
    }
}

void Recording::stop() {
    using namespace ctl::record;
    if (!recording_)
        return;
    timer_.stop();
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(clock_() - began_);
    recording_ = false;
    output_.setTap(nullptr);
    QStringList saved;
    QStringList notes;
    if (recordingAudio_ && audio_) {
        const AudioRecorder::Result r = audio_->stop();
        const QString path = base_ + QLatin1String(kAudioSuffix);
        if (r.saved) {
            const int rate = std::max(1, audio_->sampleRate());
            saved << QStringLiteral("%1 (%2)").arg(
                QFileInfo(path).fileName(),
                elapsedText(std::chrono::milliseconds(r.frames * kMsPerSecond / rate)));
            if (r.framesLost > 0)
                notes << QStringLiteral("%1 ms of sound were left out while the disk was slow")
                             .arg(r.framesLost * kMsPerSecond / rate);
        } else {
            notes << QStringLiteral("the sound was not saved");
            warn(QStringLiteral("The sound could not be saved to \"%1\" (%2); the recording has "
                                "stopped.")
                     .arg(shown(path), r.error));
        }
    }
    if (recordingMidi_) {
        const size_t messages = midi_.messages();
        const bool full = midi_.isFull();
        const QString path = saveMidi(midi_.finish(), base_ + QLatin1String(kMidiSuffix));
        if (!path.isEmpty())
            saved
                << QStringLiteral("%1 (%2 messages)").arg(QFileInfo(path).fileName()).arg(messages);
        else
            notes << QStringLiteral("the MIDI file was not saved");
        if (full)
            notes << QStringLiteral("the MIDI file's room ran out before the end");
    }
    QString status = saved.isEmpty()
                         ? QStringLiteral("Nothing saved")
                         : QStringLiteral("Saved %1").arg(saved.join(QStringLiteral(" and ")));
    if (!notes.isEmpty())
        status += QStringLiteral("; ") + notes.join(QStringLiteral("; "));
    window_(LabelStatus).setCaption(status + QLatin1Char('.'));
    window_(LabelElapsed).setCaption(elapsedText(elapsed));
    recordingMidi_ = false;
    recordingAudio_ = false;
    // The next recording gets a name of its own, never this one's.
    chosenBase_.clear();
    window_(ButtonStart).setCaption(QStringLiteral("&Start"));
    window_(ButtonFileName).setEnabled(true);
    window_(CheckMidiFile).setEnabled(true);
    window_(CheckSetUp).setEnabled(true);
    showAvailability();
}

void Recording::finishAtEnd() {
    stop();
}

} // namespace vorlo
