#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>

namespace vorlo {

struct ConsoleState;

// Screen and window sizes in twips, for placing windows whose stored position is off screen.
struct ScreenContext {
    ScreenContext() = default;
    ScreenContext(double screenW, double screenH, double mainW = 0, double mainH = 0)
        : screenWidth(screenW), screenHeight(screenH), mainWidth(mainW), mainHeight(mainH) {}

    double screenWidth = 0;
    double screenHeight = 0;
    double mainWidth = 0;
    double mainHeight = 0;
    // The main window's size for the panel the settings read will show (its mode and panel
    // size). When set it replaces mainWidth and mainHeight.
    std::function<QSizeF(const ConsoleState&)> mainSizeFor;
    // The Advanced window's size where known (0 where not): a stored position is kept only
    // when the whole window stays on the screen.
    double advancedWidth = 0;
    double advancedHeight = 0;

    QSizeF mainSize(const ConsoleState& st) const;
};

// "vorlo2000.CFG": 375 CR LF lines holding the stops table in use, the MIDI devices and
// filters, the Advanced settings, delays, display options, window positions, the stop font
// and the twelve fixed memories.
class ConfigFile {
public:
    static constexpr int kLineCount = 375;
    // Twips between windows placed side by side: room for both window frames.
    static constexpr double kWindowGap = 150;

    // What a read found.
    struct ReadResult {
        enum class Status { Read, Missing, Damaged };
        Status status = Status::Missing;
        // Damaged: the line (1-based) that could not be read, what it should hold, and what
        // it holds; endsEarly when the file ends before that line.
        int line = 0;
        QString expected;
        QByteArray found;
        bool endsEarly = false;
        // Values outside what the console can set, brought within range, one text each
        // ("line 15 (the sysex delay ...): 32767 is now 100").
        QStringList adjusted;

        explicit operator bool() const { return status == Status::Read; }
    };

    // Reads the whole file into the state, brings values outside what the console can set
    // within range and re-centres windows that would not lie wholly on screen. On any error
    // (missing file, missing line, a value of the wrong kind) reading stops there and the
    // defaults are installed.
    static ReadResult read(const QString& path, ConsoleState& st, const ScreenContext& screen);
    static ReadResult parse(const QByteArray& bytes, ConsoleState& st, const ScreenContext& screen);

    // The defaults of a missing or damaged file. TemperamentStart, ThruCustom, RecallGlobals,
    // RecallBalance and GlobalCoupling are left as they are.
    static void installDefaults(ConsoleState& st, const ScreenContext& screen);

    // What line n (1..375) holds, for the player: "the sysex delay in milliseconds".
    static QString lineMeaning(int line);

    // Moves a damaged file aside, beside it, as "<name>.damaged-yyyyMMdd-HHmmss" (a further
    // "-2", "-3" ... when that name is taken), so that the next write cannot replace it.
    // Returns the new path, or an empty string with the reason in error.
    static QString keepDamaged(const QString& path, const QDateTime& when, QString* error);

    // The 375 lines of the current state (the caller has already applied CopyFreeToFixed).
    static QByteArray serialize(const ConsoleState& st);
    // Through a temporary file renamed over the old one; on failure the old file stays.
    static bool write(const QString& path, const ConsoleState& st, QString* error = nullptr);
};

} // namespace vorlo
