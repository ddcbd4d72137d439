#pragma once

#include "Dialogs.h"
#include "ScreenMetrics.h"

#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace vorlo {
struct ConsoleState;
}

namespace vorlo::bench {

// Dialogs for a console run without a player: messages go to the standard error, every
// question gets the answer given, file dialogs are cancelled.
class SilentDialogs : public Dialogs {
public:
    explicit SilentDialogs(bool answer = true) : answer_(answer) {}
    void message(const QString& text, const QString&, Icon) override {
        std::fprintf(stderr, "console says: %s\n", qPrintable(text));
    }
    bool askYesNo(const QString&, const QString&) override { return answer_; }
    std::optional<QString> openFileName(const QString&, const QString&) override { return {}; }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override {
        return {};
    }

private:
    bool answer_;
};

// A 1920 x 1080 screen at 96 dots per inch with no fonts installed.
class Screen : public ScreenMetrics {
public:
    double screenWidthTwips() const override { return 28800; }
    double screenHeightTwips() const override { return 16200; }
    double twipsPerPixel() const override { return 15; }
    QStringList fontFamilies() const override { return {}; }
};

// The program folder of a console run: a temporary folder that gets the stops table and the
// configuration file the console reads at start.
class ProgramFolder {
public:
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    // A minimal organ: every entry of the stops table is the same short GS message.
    void writeMinimalTable() const;
    // The stops table of the file given.
    void copyTable(const QString& datPath) const;
    // The configuration: the defaults for the benchmarks' screen, as `adjust` changes them.
    void writeConfig(const std::function<void(ConsoleState&)>& adjust) const;

private:
    QTemporaryDir dir_;
};

// The console plays from the first keyboard into the first module and lets every input message
// through: input 1 and the output on device 0, input 2 on device 1 (with one keyboard, its "no
// device" entry).
void playFromFirstKeyboard(ConsoleState& cfg);

} // namespace vorlo::bench
