#include "ConfigFile.h"

#include "ConsoleState.h"
#include "Cp1252.h"
#include "NumberText.h"
#include "SafeFile.h"

#include <QFile>
#include <QList>
#include <optional>

namespace vorlo {
namespace {

constexpr char kCrLf[] = "\r\n";

// Reads the file line by line; any failure throws and ends the read at that line.
struct LineReader {
    QList<QByteArray> lines;
    int next = 0;

    struct Failure {};

    QByteArray text() {
        if (next >= lines.size())
            throw Failure{};
        return lines[next++];
    }
    int16_t integer() {
        const auto v = NumberText::parseInteger(text());
        if (!v)
            throw Failure{};
        return *v;
    }
    float single() {
        const auto v = NumberText::parseSingle(text());
        if (!v)
            throw Failure{};
        return *v;
    }
};

QList<QByteArray> splitLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    // The text after the last line end is not a line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& l : lines) {
        if (l.endsWith('\r'))
            l.chop(1);
    }
    return lines;
}

void readFields(LineReader& in, ConsoleState& st, const ScreenContext& screen) {
    st.DatFilePath = cp1252::decode(in.text());
    st.MidiIn1Device = in.integer();
    st.MidiIn2Device = in.integer();
    st.MidiOutDevice = in.integer();
    st.Temperament = in.integer();
    st.TremoloRate = in.integer();
    st.TremoloType = in.integer();
    st.ReverbType = in.integer();
    st.TemperamentStart = in.integer();
    st.ThruMode = in.integer();
    for (int k = 0; k < 3; ++k)
        st.ThruCustom[k] = in.integer();
    st.NoteDelay = in.integer();
    st.SysexDelay = in.integer();
    st.MemoryLabelMode = in.integer();
    st.LedsShownSaved = in.integer();
    st.MemoryLedsShown = st.LedsShownSaved == 1;
    st.RecallGlobals = in.integer();
    st.RecallBalance = in.integer();
    st.GlobalCoupling = in.integer();
    st.SaveCfgOnExit = in.integer();
    st.AdvancedTop = in.single();
    st.AdvancedLeft = in.single();
    st.MainTop = in.single();
    st.MainLeft = in.single();

    // Positions beyond the screen are centred, all measured with the main window's size.
    if (st.AdvancedTop > screen.screenHeight)
        st.AdvancedTop = static_cast<float>((screen.screenHeight - screen.mainHeight) / 2);
    if (st.AdvancedLeft > screen.screenWidth)
        st.AdvancedLeft = static_cast<float>((screen.screenWidth - screen.mainWidth) / 2);
    if (st.MainTop > screen.screenHeight)
        st.MainTop = static_cast<float>((screen.screenHeight - screen.mainHeight) / 2);
    if (st.MainLeft > screen.screenWidth)
        st.MainLeft = static_cast<float>((screen.screenWidth - screen.mainWidth) / 2);

    for (int i = 0; i < 8; ++i)
        st.InputFilter[i] = in.integer() != 0;
    st.StopFont.bold = in.integer() == 1;
    st.StopFont.name = cp1252::decode(in.text());
    st.StopFont.size = in.integer();
    st.StopFont.italic = in.integer() == 1;
    st.GraphicMode = in.integer() == 1;
    st.PanelScale = in.integer() / 10.0;
    for (int slot = kFirstFixed; slot <= kLastFixed; ++slot) {
        for (int f = 0; f < kFieldCount; ++f)
            st[static_cast<SlotField>(f)][slot] = in.integer();
    }
}

} // namespace

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
    st.MainLeft = st.AdvancedLeft = static_cast<float>((screen.screenWidth - screen.mainWidth) / 2);
    st.MainTop = st.AdvancedTop = static_cast<float>((screen.screenHeight - screen.mainHeight) / 2);
    st.SaveCfgOnExit = 1;
    st.StopFont = FontStyle{QStringLiteral("Small Fonts"), 7, true, false};
    st.GraphicMode = true;
    st.PanelScale = 1.0;
    for (int slot = kFirstFixed; slot <= kLastFixed; ++slot) {
        st.writeStartValues(slot);
        st.MemThru[slot] = 0;
    }
}

bool ConfigFile::parse(const QByteArray& bytes, ConsoleState& st, const ScreenContext& screen) {
    LineReader in{splitLines(bytes)};
    try {
        readFields(in, st, screen);
        return true;
    } catch (const LineReader::Failure&) {
        installDefaults(st, screen);
        return false;
    }
}

bool ConfigFile::read(const QString& path, ConsoleState& st, const ScreenContext& screen) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        installDefaults(st, screen);
        return false;
    }
    return parse(file.readAll(), st, screen);
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
            integer(st[static_cast<SlotField>(f)][slot]);
    }
    return out;
}

bool ConfigFile::write(const QString& path, const ConsoleState& st, QString* error) {
    return SafeFile::write(path, serialize(st), error);
}

} // namespace vorlo
