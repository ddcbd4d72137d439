#include "ConfigFile.h"

#include "ConsoleState.h"
#include "Cp1252.h"
#include "NumberText.h"
#include "SafeFile.h"
#include "TextLines.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace vorlo {
namespace {

constexpr char kCrLf[] = "\r\n";

// What lines 1..39 hold, for the player.
const char* const kSettingLines[] = {
    "the path of the stops table file",
    "the MIDI input 1 device number",
    "the MIDI input 2 device number",
    "the MIDI output device number",
    "the temperament",
    "the tremolo rate",
    "the tremolo type",
    "the reverb type",
    "the tuning start note",
    "the MIDI thru mode",
    "the custom thru channel of the Great",
    "the custom thru channel of the Swell",
    "the custom thru channel of the Pedal",
    "the note delay",
    "the sysex delay in milliseconds",
    "the memory label mode",
    "whether the memory LEDs are shown",
    "the Global box of the memory recall",
    "the Stops Bal. box of the memory recall",
    "the coupling of the global level sliders",
    "whether the configuration is saved on exit",
    "the top of the Advanced window",
    "the left of the Advanced window",
    "the top of the main window",
    "the left of the main window",
    "the ACTIVE SENSE input filter",
    "the MTC input filter",
    "the TUNE input filter",
    "the CLOCK input filter",
    "the START input filter",
    "the CONT input filter",
    "the Undefined input filter",
    "the RESET input filter",
    "whether the stop font is bold",
    "the name of the stop font",
    "the size of the stop font",
    "whether the stop font is italic",
    "whether the graphic panel is used",
    "the standard panel size, times ten",
};
constexpr int kSettingLineCount = 39;
static_assert(std::size(kSettingLines) == kSettingLineCount);

// What each of a fixed memory's 28 lines holds, and what the console can set it to.
struct MemoryField {
    const char* meaning;
    int16_t lo, hi;
    // The value a number outside lo..hi stands for, as the console treats it; nullopt for
    // quantities, which are clamped to the nearer end.
    std::optional<int16_t> otherwise;
};
const MemoryField kMemoryFields[kFieldCount] = {
    {"Great Fondi stop", 0, 29, {}},
    {"Swell Fondi stop", 0, 29, {}},
    {"Great Mutazioni stop", 0, 19, {}},
    {"Swell Mutazioni stop", 0, 19, {}},
    {"Great Ancie stop", 0, 19, {}},
    {"Swell Ancie stop", 0, 19, {}},
    {"Pedal stop", 0, 19, {}},
    {"Great tremolo", 0, 1, 0}, // on exactly when 1
    {"Swell tremolo", 0, 1, 0},
    {"Great level", 0, 127, {}},
    {"Swell level", 0, 127, {}},
    {"Pedal level", 0, 127, {}},
    {"Great Fondi balance", 0, 127, {}},
    {"Great Mutazioni balance", 0, 127, {}},
    {"Great Ancie balance", 0, 127, {}},
    {"Swell Fondi balance", 0, 127, {}},
    {"Swell Mutazioni balance", 0, 127, {}},
    {"Swell Ancie balance", 0, 127, {}},
    {"pedal coupler", 0, 2, 0}, // 1 and 2 are the couplers, anything else none
    {"manual coupler", 0, 2, 0},
    {"thru button", 0, 3, 1},        // a body outside 1..3 plays on the Great
    {"Great Fondi cancel", 0, 1, 1}, // muted exactly when 0
    {"Great Mutazioni cancel", 0, 1, 1},
    {"Great Ancie cancel", 0, 1, 1},
    {"Swell Fondi cancel", 0, 1, 1},
    {"Swell Mutazioni cancel", 0, 1, 1},
    {"Swell Ancie cancel", 0, 1, 1},
    {"pedal sub-octave", 0, 1, 0}, // on exactly when 1
};

// Reads the file line by line; any failure throws and ends the read at that line.
struct LineReader {
    QList<QByteArray> lines;
    QStringList* adjusted;
    int next = 0;

    struct Failure {
        int line; // 1-based
        const char* expected;
        bool endsEarly;
        QByteArray found;
    };

    QByteArray take(const char* expected) {
        if (next >= lines.size())
            throw Failure{next + 1, expected, true, {}};
        return lines[next++];
    }
    QByteArray text() { return take("text"); }
    int16_t integer() {
        const QByteArray t = take("a whole number");
        const auto v = NumberText::parseInteger(t);
        if (!v)
            throw Failure{next, "a whole number", false, t};
        return *v;
    }
    float single() {
        const QByteArray t = take("a number");
        const auto v = NumberText::parseSingle(t);
        if (!v)
            throw Failure{next, "a number", false, t};
        return *v;
    }
    // A whole number the console can only set to lo..hi. One outside is clamped to the nearer
    // end, or replaced by otherwise when given, and the change is noted.
    int16_t ranged(int16_t lo, int16_t hi, std::optional<int16_t> otherwise = {}) {
        const int16_t v = integer();
        if (v >= lo && v <= hi)
            return v;
        const int16_t now = otherwise ? *otherwise : std::clamp(v, lo, hi);
        adjusted->append(QStringLiteral("line %1 (%2, %3..%4): %5 is now %6")
                             .arg(next)
                             .arg(ConfigFile::lineMeaning(next))
                             .arg(lo)
                             .arg(hi)
                             .arg(v)
                             .arg(now));
        return now;
    }
};

// The place of a window along one screen axis: kept when the whole window lies on the screen,
// else centred (with the given size), and never before the screen's first twip, so that a
// window larger than the screen still shows its title bar.
float placeOnAxis(float stored, double extent, double screen, double centreExtent) {
    if (stored >= 0 && stored + extent <= screen)
        return stored;
    return static_cast<float>(std::max(0.0, (screen - centreExtent) / 2));
}

void placeWindows(ConsoleState& st, const ScreenContext& screen) {
    const QSizeF main = screen.mainSize(st);
    st.MainLeft = placeOnAxis(st.MainLeft, main.width(), screen.screenWidth, main.width());
    st.MainTop = placeOnAxis(st.MainTop, main.height(), screen.screenHeight, main.height());
    // The Advanced window is centred with the main window's size, as on a first start.
    st.AdvancedLeft =
        placeOnAxis(st.AdvancedLeft, screen.advancedWidth, screen.screenWidth, main.width());
    st.AdvancedTop =
        placeOnAxis(st.AdvancedTop, screen.advancedHeight, screen.screenHeight, main.height());
}

void readFields(LineReader& in, ConsoleState& st) {
    st.DatFilePath = cp1252::decode(in.text());
    // Device numbers are checked when the ports open: the devices present can change.
    st.MidiIn1Device = in.integer();
    st.MidiIn2Device = in.integer();
    st.MidiOutDevice = in.integer();
    // List indexes out of their lists stand for the first entry, as the reset treats them.
    st.Temperament = in.ranged(0, 11, 0);
    st.TremoloRate = in.ranged(0, 127);
    st.TremoloType = in.ranged(0, 1, 0);
    st.ReverbType = in.ranged(0, 7, 0);
    st.TemperamentStart = in.ranged(0, 11, 0);
    st.ThruMode = in.ranged(0, 2, 0); // only 1 and 2 rechannel
    for (int k = 0; k < 3; ++k)
        st.ThruCustom[k] = in.ranged(0, 15);
    st.NoteDelay = in.ranged(0, 100);
    st.SysexDelay = in.ranged(0, 100);
    st.MemoryLabelMode = in.ranged(0, 2, 1);
    st.LedsShownSaved = in.integer();
    st.MemoryLedsShown = st.LedsShownSaved == 1;
    st.RecallGlobals = in.ranged(0, 1, 0); // set exactly when 1
    st.RecallBalance = in.ranged(0, 1, 0);
    st.GlobalCoupling = in.ranged(0, 2, 0); // only 1 and 2 couple
    st.SaveCfgOnExit = in.integer();
    st.AdvancedTop = in.single();
    st.AdvancedLeft = in.single();
    st.MainTop = in.single();
    st.MainLeft = in.single();
    for (int i = 0; i < 8; ++i)
        st.InputFilter[i] = in.integer() != 0;
    st.StopFont.bold = in.integer() == 1;
    st.StopFont.name = cp1252::decode(in.text());
    st.StopFont.size = in.ranged(4, 72);
    st.StopFont.italic = in.integer() == 1;
    st.GraphicMode = in.integer() == 1;
    st.PanelScale = in.ranged(8, 16) / 10.0;
    for (int slot = kFirstFixed; slot <= kLastFixed; ++slot) {
        for (int f = 0; f < kFieldCount; ++f) {
            const MemoryField& m = kMemoryFields[f];
            st.slot(slot)[static_cast<SlotField>(f)] = in.ranged(m.lo, m.hi, m.otherwise);
        }
    }
}

} // namespace

QSizeF ScreenContext::mainSize(const ConsoleState& st) const {
    if (mainSizeFor)
        return mainSizeFor(st);
    return {mainWidth, mainHeight};
}

QString ConfigFile::lineMeaning(int line) {
    if (line >= 1 && line <= kSettingLineCount)
        return QString::fromLatin1(kSettingLines[line - 1]);
    if (line > kSettingLineCount && line <= kLineCount) {
        const int k = line - kSettingLineCount - 1;
        return QStringLiteral("fixed memory %1, %2")
            .arg(k / kFieldCount + 1)
            .arg(QString::fromLatin1(kMemoryFields[k % kFieldCount].meaning));
    }
    return QStringLiteral("nothing");
}

void ConfigFile::installDefaults(ConsoleState& st, const ScreenContext& screen) {
    st.MidiIn1Device = st.MidiIn1NoDevice;
    st.MidiIn2Device = st.MidiIn2NoDevice;
    st.MidiOutDevice = st.MidiOutNoDevice;
    st.DatFilePath = st.appFile(QStringLiteral("vorlo2000.dat"));
    st.Temperament = 0;
    st.TremoloRate = 100;
    st.ReverbType = 5;
    st.ThruMode = 0;
    st.InputFilter.fill(true);
    st.NoteDelay = 0;
    st.SysexDelay = 0;
    st.MemoryLabelMode = 1;
    st.LedsShownSaved = 0;
    st.MemoryLedsShown = false;
    st.TremoloType = 0;
    st.SaveCfgOnExit = 1;
    st.StopFont = FontStyle{QStringLiteral("Small Fonts"), 7, true, false};
    st.GraphicMode = true;
    st.PanelScale = 1.0;
    for (int slot = kFirstFixed; slot <= kLastFixed; ++slot) {
        st.slot(slot) = Registration::startValues();
        st.slot(slot).MemThru = 0;
    }
    // Both windows centred, measured with the main window of the default panel. Where the
    // screen has room for both side by side, the pair is centred instead, the Advanced window
    // right of the main window, so that neither hides the other.
    const QSizeF main = screen.mainSize(st);
    const double pair = main.width() + kWindowGap + screen.advancedWidth;
    st.MainTop = st.AdvancedTop =
        static_cast<float>(std::max(0.0, (screen.screenHeight - main.height()) / 2));
    if (screen.advancedWidth > 0 && pair <= screen.screenWidth &&
        screen.advancedHeight <= screen.screenHeight - st.MainTop) {
        st.MainLeft = static_cast<float>((screen.screenWidth - pair) / 2);
        st.AdvancedLeft = static_cast<float>(st.MainLeft + main.width() + kWindowGap);
        return;
    }
    st.MainLeft = st.AdvancedLeft =
        static_cast<float>(std::max(0.0, (screen.screenWidth - main.width()) / 2));
}

ConfigFile::ReadResult ConfigFile::parse(const QByteArray& bytes, ConsoleState& st,
                                         const ScreenContext& screen) {
    ReadResult r;
    LineReader in{TextLines::split(bytes), &r.adjusted};
    try {
        readFields(in, st);
        placeWindows(st, screen);
        r.status = ReadResult::Status::Read;
    } catch (const LineReader::Failure& f) {
        r.status = ReadResult::Status::Damaged;
        r.line = f.line;
        r.expected = QString::fromLatin1(f.expected);
        r.found = f.found;
        r.endsEarly = f.endsEarly;
        installDefaults(st, screen);
    }
    return r;
}

ConfigFile::ReadResult ConfigFile::read(const QString& path, ConsoleState& st,
                                        const ScreenContext& screen) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        installDefaults(st, screen);
        return {};
    }
    return parse(file.readAll(), st, screen);
}

QString ConfigFile::keepDamaged(const QString& path, const QDateTime& when, QString* error) {
    const QString base =
        path + QStringLiteral(".damaged-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    QFile file(path);
    const qint64 size = file.size();
    if (!file.rename(target)) {
        if (error)
            *error = file.errorString();
        return {};
    }
    // The copy is promised to the player: it must hold every byte of the damaged file.
    if (QFileInfo(target).size() != size) {
        if (error)
            *error = QStringLiteral("the copy %1 is not complete").arg(target);
        return {};
    }
    return target;
}

QByteArray ConfigFile::serialize(const ConsoleState& st) {
    QByteArray out;
    auto text = [&out](const QByteArray& t) { out.append(t).append(kCrLf); };
    auto integer = [&out](int v) { out.append(NumberText::formatInteger(v)).append(kCrLf); };
    auto single = [&out](float v) { out.append(NumberText::formatSingle(v)).append(kCrLf); };
    // A flag written as the text "1" when set and as the number 0 otherwise.
    auto oneOrZero = [&](bool v) { v ? text("1") : integer(0); };

    text(cp1252::encode(st.DatFilePath));
    integer(st.MidiIn1Device);
    integer(st.MidiIn2Device);
    integer(st.MidiOutDevice);
    integer(st.Temperament);
    integer(st.TremoloRate);
    integer(st.TremoloType);
    integer(st.ReverbType);
    integer(st.TemperamentStart);
    integer(st.ThruMode);
    for (int k = 0; k < 3; ++k)
        integer(st.ThruCustom[k]);
    integer(st.NoteDelay);
    integer(st.SysexDelay);
    integer(st.MemoryLabelMode);
    integer(st.MemoryLedsShown ? 1 : 0);
    integer(st.RecallGlobals);
    integer(st.RecallBalance);
    integer(st.GlobalCoupling);
    integer(st.SaveCfgOnExit == 1 ? 1 : 0);
    single(st.AdvancedTop);
    single(st.AdvancedLeft);
    single(st.MainTop);
    single(st.MainLeft);
    for (int i = 0; i < 8; ++i)
        text(st.InputFilter[i] ? "1" : "0");
    oneOrZero(st.StopFont.bold);
    text(cp1252::encode(st.StopFont.name));
    integer(NumberText::roundHalfEven(st.StopFont.size));
    oneOrZero(st.StopFont.italic);
    integer(st.GraphicMode ? 1 : 0);
    integer(NumberText::roundHalfEven(st.PanelScale * 10));
    for (int slot = kFirstFixed; slot <= kLastFixed; ++slot) {
        for (int f = 0; f < kFieldCount; ++f)
            integer(st.slot(slot)[static_cast<SlotField>(f)]);
    }
    return out;
}

bool ConfigFile::write(const QString& path, const ConsoleState& st, QString* error) {
    return SafeFile::write(path, serialize(st), error);
}

} // namespace vorlo
