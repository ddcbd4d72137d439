#pragma once

#include "core/Dialogs.h"
#include "core/ScreenMetrics.h"

#include <QStringList>
#include <cstdio>

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

} // namespace vorlo::bench
