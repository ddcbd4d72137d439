#pragma once

#include <QByteArray>
#include <QString>

namespace vorlo {

struct ConsoleState;

// Screen and main-window sizes in twips, for re-centring window positions that lie off screen.
struct ScreenContext {
    double screenWidth = 0;
    double screenHeight = 0;
    double mainWidth = 0;
    double mainHeight = 0;
};

// "vorlo2000.CFG": 375 CR LF lines holding the stops table in use, the MIDI devices and
// filters, the Advanced settings, delays, display options, window positions, the stop font
// and the twelve fixed memories.
class ConfigFile {
public:
    static constexpr int kLineCount = 375;

    // Reads the whole file into the state and re-centres window positions that lie off
    // screen. On any error (missing file, missing line, a value of the wrong kind) reading
    // stops there, the defaults are installed and false is returned.
    static bool read(const QString& path, ConsoleState& st, const ScreenContext& screen);
    static bool parse(const QByteArray& bytes, ConsoleState& st, const ScreenContext& screen);

    // The defaults of a missing or damaged file. TemperamentStart, ThruCustom, RecallGlobals,
    // RecallBalance and GlobalCoupling are left as they are.
    static void installDefaults(ConsoleState& st, const ScreenContext& screen);

    // The 375 lines of the current state (the caller has already applied CopyFreeToFixed).
    static QByteArray serialize(const ConsoleState& st);
    // Through a temporary file renamed over the old one; on failure the old file stays.
    static bool write(const QString& path, const ConsoleState& st, QString* error = nullptr);
};

} // namespace vorlo
