#include "MemoryFile.h"

#include "ConsoleListener.h"
#include "ConsoleReset.h"
#include "ConsoleState.h"
#include "Cp1252.h"
#include "Dialogs.h"
#include "Memories.h"
#include "NumberText.h"
#include "OrganSettings.h"
#include "RecoveryCopy.h"
#include "RunState.h"
#include "SafeFile.h"
#include "SettingsLists.h"

#include <QDir>
#include <QFile>

namespace vorlo {
namespace {

constexpr char kCrLf[] = "\r\n";

// Fields of a memory file: the first line whole, then fields ending at a comma or a line end.
// A field that is missing or not a number throws a Failure naming its line.
class FieldReader {
public:
    explicit FieldReader(const QByteArray& bytes) : bytes_(bytes) {}

    struct Failure {
        int line;
        QString what;
    };

    QByteArray line() {
        if (pos_ >= bytes_.size())
            throw endOfFile();
        qsizetype end = bytes_.indexOf('\n', pos_);
        if (end < 0)
            end = bytes_.size();
        QByteArray l = bytes_.mid(pos_, end - pos_);
        if (l.endsWith('\r'))
            l.chop(1);
        pos_ = end + 1;
        ++line_;
        return l;
    }

    int16_t integer() {
        if (pos_ >= bytes_.size())
            throw endOfFile();
        lastLine_ = line_;
        qsizetype end = pos_;
        while (end < bytes_.size() && bytes_[end] != ',' && bytes_[end] != '\n')
            ++end;
        QByteArray field = bytes_.mid(pos_, end - pos_);
        if (end < bytes_.size() && bytes_[end] == '\n')
            ++line_;
        pos_ = end + 1;
        const auto v = NumberText::parseInteger(field);
        if (!v) {
            if (field.endsWith('\r'))
                field.chop(1);
            field = field.trimmed();
            if (field.size() > 24)
                field = field.left(24) + "...";
            throw Failure{lastLine_, QStringLiteral("\"%1\" is not a number from -32768 to 32767.")
                                         .arg(cp1252::decode(field))};
        }
        return *v;
    }

    // The line of the number read last.
    int lastLine() const { return lastLine_; }

private:
    Failure endOfFile() const {
        return Failure{line_, QStringLiteral("missing: the file ends before it (a memory file has "
                                             "%1 lines).")
                                  .arg(MemoryFile::kLineCount)};
    }

    const QByteArray& bytes_;
    qsizetype pos_ = 0;
    int line_ = 1; // the line pos_ is on
    int lastLine_ = 0;
};

int16_t atMost(int16_t v, int16_t top) {
    return v > top ? top : v;
}

} // namespace

MemoryFile::MemoryFile(ConsoleState& state, Dialogs& dialogs, RunState& run,
                       ConsoleListener& events, ConsoleReset& reset, Memories& memories,
                       RecoveryCopy& recovery, OrganSettings& settings)
    : state_(state), dialogs_(dialogs), run_(run), events_(events), reset_(reset),
      memories_(memories), recovery_(recovery), settings_(settings) {}

QString MemoryFile::Estrae_nome(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QDir::separator()));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return path.mid(std::max(cut, slash) + 1);
}

int MemoryFile::checkExtension(const QString& chosen, const QString& extension, QString& fileName) {
    fileName = chosen;
    if (!chosen.right(4).compare(extension, Qt::CaseInsensitive))
        return 0;
    // OK and Cancel, as the old program showed it; either answer refuses the file.
    dialogs_.messageOkCancel(QStringLiteral("Unauthorized file"), state_.ProgramTitle,
                             Dialogs::Icon::None);
    return 1;
}

int MemoryFile::Dialogo_Apri(const QString& title, const QString& extension, QString& fileName) {
    const auto chosen = dialogs_.openFileName(title, QStringLiteral("(*%1)|*%1|").arg(extension));
    if (!chosen)
        return 1;
    return checkExtension(*chosen, extension, fileName);
}

int MemoryFile::Dialogo_Salva(const QString& title, const QString& extension, QString& fileName) {
    const auto chosen =
        dialogs_.saveFileName(title, QStringLiteral("(*%1)|*%1|").arg(extension), extension);
    if (!chosen)
        return 1;
    return checkExtension(*chosen, extension, fileName);
}

QByteArray MemoryFile::serialize(const ConsoleState& st) {
    QByteArray out;
    auto integer = [&out](int v) { out.append(NumberText::formatInteger(v)).append(kCrLf); };
    out.append(cp1252::encode(Estrae_nome(st.DatFilePath))).append(kCrLf);
    integer(st.Temperament);
    integer(st.TremoloRate);
    integer(st.TremoloType);
    integer(st.ReverbType);
    integer(st.MemoryLabelMode);
    integer(st.MemoryLedsShown ? 1 : 0);
    for (int slot = kFirstFree; slot <= kLastFree; ++slot) {
        for (int f = 0; f < kFieldCount; ++f)
            integer(st.slot(slot)[static_cast<SlotField>(f)]);
    }
    integer(st.TemperamentStart);
    return out;
}

bool MemoryFile::parse(const QByteArray& bytes, Contents& out, Problem* problem) {
    FieldReader in(bytes);
    Contents c;
    try {
        in.line(); // the stops table the file was made with: not used
        c.Temperament = in.integer();
        c.temperamentLine = in.lastLine();
        c.TremoloRate = in.integer();
        c.TremoloType = in.integer();
        c.tremoloTypeLine = in.lastLine();
        c.ReverbType = in.integer();
        c.reverbLine = in.lastLine();
        c.MemoryLabelMode = in.integer();
        in.integer(); // the display the file was made with: the current one is kept
        ConsoleSlots& m = c.memories;
        for (int slot = kFirstFree; slot <= kLastFree; ++slot) {
            Registration& r = m.slot(slot);
            r.MemFO_GO = atMost(in.integer(), 29);
            r.MemFO_SW = atMost(in.integer(), 29);
            r.MemMU_GO = atMost(in.integer(), 19);
            r.MemMU_SW = atMost(in.integer(), 19);
            r.MemAN_GO = atMost(in.integer(), 19);
            r.MemAN_SW = atMost(in.integer(), 19);
            r.MemPED = atMost(in.integer(), 19);
            for (int16_t* trem : {&r.MemTremGO, &r.MemTremSW}) {
                const int16_t v = in.integer();
                *trem = v > 2 ? 0 : v;
            }
            // Levels and balances are limited once the whole triple (or six) is read.
            int16_t* levels[3] = {&r.MemExprGO, &r.MemExprSW, &r.MemExprPE};
            for (int16_t* l : levels)
                *l = in.integer();
            for (int16_t* l : levels) {
                if (*l < 60 || *l > 127)
                    *l = 127;
            }
            int16_t* balances[6] = {&r.MemBalFO_GO, &r.MemBalMU_GO, &r.MemBalAN_GO,
                                    &r.MemBalFO_SW, &r.MemBalMU_SW, &r.MemBalAN_SW};
            for (int16_t* b : balances)
                *b = in.integer();
            for (int16_t* b : balances) {
                if (*b < 0 || *b > 127)
                    *b = 127;
            }
            const int16_t pedal = in.integer();
            r.MemUnPedale = pedal > 2 ? 0 : pedal;
            r.MemUnManuali = in.integer();
            r.MemThru = in.integer();
            for (int g = 0; g < 3; ++g)
                r.MemAnnullGO[g] = in.integer();
            for (int g = 0; g < 3; ++g)
                r.MemAnnullSW[g] = in.integer();
            r.MemSubottava = in.integer();
        }
        c.TemperamentStart = in.integer();
        c.startNoteLine = in.lastLine();
    } catch (const FieldReader::Failure& f) {
        if (problem)
            *problem = Problem{f.line, f.what};
        return false;
    }
    out = c;
    return true;
}

bool MemoryFile::parse(const QByteArray& bytes, ConsoleState& st) {
    Contents contents;
    if (!parse(bytes, contents))
        return false;
    apply(contents, st);
    return true;
}

void MemoryFile::apply(const Contents& in, ConsoleState& st) {
    st.Temperament = in.Temperament;
    st.TremoloRate = in.TremoloRate;
    st.TremoloType = in.TremoloType;
    st.ReverbType = in.ReverbType;
    st.MemoryLabelMode = in.MemoryLabelMode;
    st.TemperamentStart = in.TemperamentStart;
    for (int slot = kFirstFree; slot <= kLastFree; ++slot)
        st.slot(slot) = in.memories.slot(slot);
}

bool MemoryFile::saveMemories(const QString& fileName) {
    ConsoleState& st = state_;
    QString error;
    if (!SafeFile::write(fileName, serialize(st), &error)) {
        dialogs_.message(QStringLiteral("The memory file %1 could not be written (%2). "
                                        "Nothing was saved; any earlier file of that "
                                        "name is unchanged.")
                             .arg(QDir::toNativeSeparators(fileName), error),
                         st.ProgramTitle, Dialogs::Icon::Critical);
        return false;
    }
    st.FreeMemoriesUnsaved = false;
    recovery_.changed();
    return true;
}

void MemoryFile::failLoad(const QString& fileName, const Problem& problem) {
    const QString where =
        problem.line > 0
            ? QStringLiteral("%1, line %2: ").arg(Estrae_nome(fileName)).arg(problem.line)
            : Estrae_nome(fileName) + QStringLiteral(": ");
    dialogs_.message(
        QStringLiteral("Invalid SQS file. File corrupted or from Vorlo Older Version\n\n") + where +
            problem.what,
        state_.ProgramTitle, Dialogs::Icon::Critical);
}

bool MemoryFile::checkLists(const Contents& in, Problem& problem) {
    const SettingsLists& names = settings_.lists();
    const struct {
        const QStringList& list;
        int16_t value;
        int line;
        const char* what;
    } lists[] = {{names.temperaments(), in.Temperament, in.temperamentLine, "temperament"},
                 {names.startNotes(), in.TemperamentStart, in.startNoteLine, "tuning start note"},
                 {names.reverbs(), in.ReverbType, in.reverbLine, "reverb"},
                 {names.tremoloTypes(), in.TremoloType, in.tremoloTypeLine, "tremolo type"}};
    for (const auto& l : lists) {
        const qsizetype count = l.list.size();
        if (l.value < 0 || l.value >= count) {
            problem.line = l.line;
            problem.what =
                count > 0 ? QStringLiteral("the %1 number %2 is not in the list (0 to %3).")
                                .arg(QString::fromLatin1(l.what))
                                .arg(l.value)
                                .arg(count - 1)
                          : QStringLiteral("the %1 number %2 cannot be chosen: the stops table "
                                           "names no %1.")
                                .arg(QString::fromLatin1(l.what))
                                .arg(l.value);
            return false;
        }
    }
    return true;
}

bool MemoryFile::loadMemories(const QString& fileName) {
    memories_.SPENGO_MEMORIE();
    memories_.Spengo_Graduatore();

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        failLoad(fileName, Problem{0, file.errorString()});
        return false;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (!load(bytes, fileName))
        return false;
    recovery_.changed();
    return true;
}

bool MemoryFile::load(const QByteArray& bytes, const QString& fileName) {
    ConsoleState& st = state_;
    // The whole file is read and checked before any of it reaches the console, so a refused
    // file leaves every memory and setting as it was.
    Contents contents;
    Problem problem;
    if (!parse(bytes, contents, &problem) || !checkLists(contents, problem)) {
        failLoad(fileName, problem);
        return false;
    }
    apply(contents, st);

    // The file's temperament, start note, reverb and tremolo type come in force; each that
    // differs from the one chosen before is sent.
    settings_.chooseStored({SettingList::Temperament, SettingList::TemperamentStart,
                            SettingList::Reverb, SettingList::TremoloType});
    // A label mode outside the three known ones (a damaged file) shows numbers 1..12.
    if (st.MemoryLabelMode < 0 || st.MemoryLabelMode > 2)
        st.MemoryLabelMode = 1;
    memories_.Scrivi_Label_memorie();

    events_.knobsReleased(SlotSent);

    reset_.RESET_Click();
    if (run_.hasEnded())
        return false;
    memories_.Memorie(1);
    return true;
}

} // namespace vorlo
