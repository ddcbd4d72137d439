#include "RecoveryCopy.h"

#include "Buffers.h"
#include "ConsoleState.h"
#include "Dialogs.h"
#include "MemoryFile.h"
#include "NumberText.h"
#include "RecoveryWriter.h"
#include "RunState.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vorlo {
namespace {

constexpr char kCrLf[] = "\r\n";
constexpr int kBufferLines = 1 + 2 * kFieldCount;

} // namespace

RecoveryCopy::RecoveryCopy(ConsoleState& state, Dialogs& dialogs, RunState& run, Buffers& buffers,
                           MemoryFile& memoryFile)
    : state_(state), dialogs_(dialogs), run_(run), buffers_(buffers), memoryFile_(memoryFile) {
    writer_ = std::make_unique<RecoveryWriter>(
        state_.appFile(QString::fromLatin1(FileName)), [this](const QString& error) {
            // Told on the writer's thread; the player hears of it on the console's.
            QMetaObject::invokeMethod(
                &context_, [this, error] { reportFailure(error); }, Qt::QueuedConnection);
        });
}

RecoveryCopy::~RecoveryCopy() = default;

QString RecoveryCopy::path() const {
    return writer_->path();
}

QByteArray RecoveryCopy::serialize(const ConsoleState& st, bool buffer1Filled, bool buffer2Filled) {
    QByteArray out = MemoryFile::serialize(st);
    out.append(NumberText::formatInteger((buffer1Filled ? 1 : 0) | (buffer2Filled ? 2 : 0)))
        .append(kCrLf);
    for (int slot : {SlotBuffer1, SlotBuffer2}) {
        for (int f = 0; f < kFieldCount; ++f)
            out.append(NumberText::formatInteger(st.slot(slot)[static_cast<SlotField>(f)]))
                .append(kCrLf);
    }
    return out;
}

bool RecoveryCopy::parseBuffers(const QByteArray& bytes, ConsoleState& st, bool filled[2]) {
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < MemoryFile::kLineCount + kBufferLines)
        return false;
    int16_t values[kBufferLines];
    for (int i = 0; i < kBufferLines; ++i) {
        const auto v = NumberText::parseInteger(lines[MemoryFile::kLineCount + i].trimmed());
        if (!v)
            return false;
        values[i] = *v;
    }
    if (values[0] < 0 || values[0] > 3)
        return false;
    filled[0] = (values[0] & 1) != 0;
    filled[1] = (values[0] & 2) != 0;
    for (int b = 0; b < 2; ++b) {
        for (int f = 0; f < kFieldCount; ++f)
            st.slot(SlotBuffer1 + b)[static_cast<SlotField>(f)] = values[1 + b * kFieldCount + f];
    }
    return true;
}

void RecoveryCopy::changed() {
    if (onChanged)
        onChanged();
    if (!active_)
        return;
    const ConsoleState& st = state_;
    Buffers& buffers = buffers_;
    const bool filled1 = buffers.isFilled(0);
    const bool filled2 = buffers.isFilled(1);
    if (st.FreeMemoriesUnsaved || filled1 || filled2)
        writer_->write(serialize(st, filled1, filled2));
    else
        writer_->remove();
}

void RecoveryCopy::endOfProgram(bool keep) {
    if (!keep && active_)
        writer_->remove();
    // A copy not yet offered (the start-up did not finish) stays for the next start.
    writer_->flush();
    active_ = false;
}

void RecoveryCopy::flush() {
    writer_->flush();
}

void RecoveryCopy::reportFailure(const QString& error) {
    if (failureTold_ || run_.hasEnded())
        return;
    failureTold_ = true;
    dialogs_.message(
        QStringLiteral("The recovery copy of the free memories, %1, could not be written (%2). "
                       "Save the memories in a memory file to keep them.")
            .arg(QDir::toNativeSeparators(path()), error),
        state_.ProgramTitle, Dialogs::Icon::Exclamation);
}

void RecoveryCopy::offerRestore() {
    const QString file = path();
    if (!QFile::exists(file)) {
        active_ = true;
        return;
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        setAside(in.errorString());
        active_ = true;
        return;
    }
    const QByteArray bytes = in.readAll();
    in.close();
    if (bytes.isEmpty()) {
        // Left so by a disk that ran full: nothing in it to restore or to keep.
        setAside(QStringLiteral("it is empty"));
        active_ = true;
        return;
    }

    const QString when =
        QFileInfo(file).lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    const bool yes = dialogs_.askYesNo(
        QStringLiteral("The last session of the program ended without saving its free memories. "
                       "A recovery copy of them (%1) is kept.\n\nRestore the free memories from "
                       "the recovery copy? No discards it.")
            .arg(when),
        QStringLiteral("Warning"));
    if (!yes) {
        // A question left unanswered because the program is being ended discards nothing.
        if (!run_.isEndRequested()) {
            active_ = true;
            writer_->remove();
        }
        return;
    }
    restore(bytes);
}

void RecoveryCopy::restore(const QByteArray& bytes) {
    ConsoleState& st = state_;
    if (!memoryFile_.load(bytes, path())) {
        if (run_.hasEnded())
            return;
        setAside(QStringLiteral("it is not a valid memory file"));
        active_ = true;
        return;
    }
    bool filled[2] = {false, false};
    if (parseBuffers(bytes, st, filled)) {
        for (int b = 0; b < 2; ++b) {
            if (filled[b])
                buffers_.markFilled(b);
        }
    }
    // The memories came from no memory file: they are still to be saved.
    st.FreeMemoriesUnsaved = true;
    active_ = true;
    changed();
}

void RecoveryCopy::setAside(const QString& why) {
    const QString file = path();
    const QString damaged = state_.appFile(QString::fromLatin1(DamagedFileName));
    // An empty copy is not worth keeping, nor worth replacing an earlier damaged one with.
    const bool empty = QFileInfo(file).size() == 0;
    bool moved = false;
    if (empty) {
        QFile::remove(file);
    } else {
        QFile::remove(damaged);
        moved = QFile::rename(file, damaged);
    }
    dialogs_.message(
        QStringLiteral("The recovery copy of the free memories, %1, cannot be restored: %2.%3")
            .arg(QDir::toNativeSeparators(file), why,
                 moved ? QStringLiteral(" It is kept as %1.").arg(QDir::toNativeSeparators(damaged))
                       : QString()),
        state_.ProgramTitle, Dialogs::Icon::Exclamation);
}

} // namespace vorlo
