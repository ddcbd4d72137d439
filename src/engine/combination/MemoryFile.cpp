#include "MemoryFile.h"

#include "Memories.h"
#include "core/Console.h"
#include "core/Cp1252.h"
#include "core/Dialogs.h"
#include "core/NumberText.h"
#include "core/SafeFile.h"
#include "panel/ConsoleForms.h"
#include "panel/PanelState.h"

#include <QDir>
#include <QFile>

namespace vorlo {
namespace {

constexpr char kCrLf[] = "\r\n";

// Fields of a memory file: the first line whole, then fields ending at a comma or a line end.
class FieldReader {
public:
    explicit FieldReader(const QByteArray& bytes) : bytes_(bytes) {}

    struct Failure {};

    QByteArray line() {
        if (pos_ >= bytes_.size())
            throw Failure{};
        qsizetype end = bytes_.indexOf('\n', pos_);
        if (end < 0)
            end = bytes_.size();
        QByteArray l = bytes_.mid(pos_, end - pos_);
        if (l.endsWith('\r'))
            l.chop(1);
        pos_ = end + 1;
        return l;
    }

    int16_t integer() {
        if (pos_ >= bytes_.size())
            throw Failure{};
        qsizetype end = pos_;
        while (end < bytes_.size() && bytes_[end] != ',' && bytes_[end] != '\n')
            ++end;
        const QByteArray field = bytes_.mid(pos_, end - pos_);
        pos_ = end + 1;
        const auto v = NumberText::parseInteger(field);
        if (!v)
            throw Failure{};
        return *v;
    }

private:
    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

int16_t atMost(int16_t v, int16_t top) {
    return v > top ? top : v;
}

} // namespace

MemoryFile::MemoryFile(Console& console) : console_(console) {
    Form& main = console_.mainForm();
    main("savefile").onClick = [this] { savefile_Click(); };
    main("LoadFile").onClick = [this] { Loadfile_Click(); };
}

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
    console_.dialogs().message(QStringLiteral("Unauthorized file"), console_.state().ProgramTitle,
                               Dialogs::Icon::None);
    return 1;
}

int MemoryFile::Dialogo_Apri(const QString& title, const QString& extension, QString& fileName) {
    const auto chosen =
        console_.dialogs().openFileName(title, QStringLiteral("(*%1)|*%1|").arg(extension));
    if (!chosen)
        return 1;
    return checkExtension(*chosen, extension, fileName);
}

int MemoryFile::Dialogo_Salva(const QString& title, const QString& extension, QString& fileName) {
    const auto chosen = console_.dialogs().saveFileName(
        title, QStringLiteral("(*%1)|*%1|").arg(extension), extension);
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
            integer(st[static_cast<SlotField>(f)][slot]);
    }
    integer(st.TemperamentStart);
    return out;
}

bool MemoryFile::parse(const QByteArray& bytes, ConsoleState& st) {
    FieldReader in(bytes);
    try {
        in.line(); // the stops table the file was made with: not used
        st.Temperament = in.integer();
        st.TremoloRate = in.integer();
        st.TremoloType = in.integer();
        st.ReverbType = in.integer();
        st.MemoryLabelMode = in.integer();
        in.integer(); // the display the file was made with: the current one is kept
        for (int slot = kFirstFree; slot <= kLastFree; ++slot) {
            st.MemFO_GO[slot] = atMost(in.integer(), 29);
            st.MemFO_SW[slot] = atMost(in.integer(), 29);
            st.MemMU_GO[slot] = atMost(in.integer(), 19);
            st.MemMU_SW[slot] = atMost(in.integer(), 19);
            st.MemAN_GO[slot] = atMost(in.integer(), 19);
            st.MemAN_SW[slot] = atMost(in.integer(), 19);
            st.MemPED[slot] = atMost(in.integer(), 19);
            for (SlotArray* trem : {&st.MemTremGO, &st.MemTremSW}) {
                const int16_t v = in.integer();
                (*trem)[slot] = v > 2 ? 0 : v;
            }
            // Levels and balances are limited once the whole triple (or six) is read.
            SlotArray* levels[3] = {&st.MemExprGO, &st.MemExprSW, &st.MemExprPE};
            for (SlotArray* l : levels)
                (*l)[slot] = in.integer();
            for (SlotArray* l : levels) {
                if ((*l)[slot] < 60 || (*l)[slot] > 127)
                    (*l)[slot] = 127;
            }
            SlotArray* balances[6] = {&st.MemBalFO_GO, &st.MemBalMU_GO, &st.MemBalAN_GO,
                                      &st.MemBalFO_SW, &st.MemBalMU_SW, &st.MemBalAN_SW};
            for (SlotArray* b : balances)
                (*b)[slot] = in.integer();
            for (SlotArray* b : balances) {
                if ((*b)[slot] < 0 || (*b)[slot] > 127)
                    (*b)[slot] = 127;
            }
            const int16_t pedal = in.integer();
            st.MemUnPedale[slot] = pedal > 2 ? 0 : pedal;
            st.MemUnManuali[slot] = in.integer();
            st.MemThru[slot] = in.integer();
            for (int g = 0; g < 3; ++g)
                st.MemAnnullGO[g][slot] = in.integer();
            for (int g = 0; g < 3; ++g)
                st.MemAnnullSW[g][slot] = in.integer();
            st.MemSubottava[slot] = in.integer();
        }
        st.TemperamentStart = in.integer();
        return true;
    } catch (const FieldReader::Failure&) {
        return false;
    }
}

void MemoryFile::savefile_Click() {
    ConsoleState& st = console_.state();
    QString fileName;
    if (Dialogo_Salva(QStringLiteral("Save memories in file"), QStringLiteral(".sqs"), fileName) !=
        0)
        return;
    QString error;
    if (!SafeFile::write(fileName, serialize(st), &error)) {
        console_.dialogs().message(QStringLiteral("The memory file %1 could not be written (%2). "
                                                  "Nothing was saved; any earlier file of that "
                                                  "name is unchanged.")
                                       .arg(QDir::toNativeSeparators(fileName), error),
                                   st.ProgramTitle, Dialogs::Icon::Critical);
        return;
    }
    st.FreeMemoriesUnsaved = false;
}

void MemoryFile::failLoad() {
    console_.dialogs().message(
        QStringLiteral("Invalid SQS file. File corrupted or from Vorlo Older Version"),
        console_.state().ProgramTitle, Dialogs::Icon::Critical);
}

void MemoryFile::Loadfile_Click() {
    ConsoleState& st = console_.state();
    if (st.FreeMemoriesUnsaved &&
        !console_.dialogs().askYesNo(
            QStringLiteral("Free memories unsaved: loading will erase them. Continue anyway ?"),
            QStringLiteral("Warning")))
        return;
    QString fileName;
    if (Dialogo_Apri(QStringLiteral("Load memories from file"), QStringLiteral(".sqs"), fileName) !=
        0)
        return;
    console_.memories().SPENGO_MEMORIE();
    console_.memories().Spengo_Graduatore();

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        failLoad();
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (!parse(bytes, st)) {
        failLoad();
        return;
    }

    // The stored settings are selected in the Advanced window's lists, which sends them.
    Form& adv = console_.form(QString::fromLatin1(forms::Advanced));
    const struct {
        const char* list;
        int16_t value;
    } lists[] = {{"Temperamenti", st.Temperament},
                 {"NotaInizTemp", st.TemperamentStart},
                 {"Riverberi", st.ReverbType},
                 {"TremoloType", st.TremoloType}};
    for (const auto& l : lists) {
        Control& list = adv(QString::fromLatin1(l.list));
        if (l.value < 0 || l.value >= list.items().size()) {
            failLoad();
            return;
        }
        list.setListIndex(l.value);
    }
    // A label mode outside the three known ones (a damaged file) shows numbers 1..12.
    if (st.MemoryLabelMode < 0 || st.MemoryLabelMode > 2)
        st.MemoryLabelMode = 1;
    console_.memories().Scrivi_Label_memorie();

    console_.showKnobsOff(SlotSent);

    console_.RESET_Click();
    if (console_.hasEnded())
        return;
    if (st.MemoryLedsShown)
        console_.memories().Ledfree_Click(1);
    else
        console_.memories().c_memory_Click(1);
}

} // namespace vorlo
