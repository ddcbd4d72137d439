#pragma once

#include "Dialogs.h"

namespace vorlo::fuzz {

// Answers every question with Yes, shows no message, opens the one file it is given and
// cancels every save: the console goes down every path a reply can open, and writes nothing
// outside its program folder.
class FuzzDialogs : public Dialogs {
public:
    void message(const QString&, const QString&, Icon) override { ++messages; }
    bool askYesNo(const QString&, const QString&) override {
        ++questions;
        return true;
    }
    std::optional<QString> openFileName(const QString&, const QString&) override {
        return openFile.isEmpty() ? std::nullopt : std::optional<QString>(openFile);
    }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }

    QString openFile;
    int messages = 0;
    int questions = 0;
};

} // namespace vorlo::fuzz
