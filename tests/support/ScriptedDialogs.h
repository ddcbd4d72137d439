#pragma once

#include "Dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>

namespace vorlo::test {

// Answers the console's questions from a script and records every message it shows.
class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        QString text;
        QString title;
        Icon icon;
        bool withCancel = false; // OK and Cancel rather than OK alone
    };

    void message(const QString& text, const QString& title, Icon icon) override;
    bool messageOkCancel(const QString& text, const QString& title, Icon icon) override;
    bool askYesNo(const QString& text, const QString& title) override;
    std::optional<QString> openFileName(const QString& title, const QString& filter) override;
    std::optional<QString> saveFileName(const QString& title, const QString& filter,
                                        const QString& defaultSuffix) override;
    SetupPage showProblems(const QList<StartupProblem>& problems, const QString& title) override;

    // Answers for the next questions, in order; when none is left the answer is No.
    std::deque<bool> answers;
    // File names for the next file dialogs (nullopt = cancelled).
    std::deque<std::optional<QString>> files;
    // Run while a message is shown (as the player would act while reading it).
    std::function<void(const QString&)> whileShown;

    std::vector<Shown> messages;
    // Every start-up problem window shown, and the window its answer asks for.
    std::vector<QList<StartupProblem>> problemWindows;
    SetupPage problemAnswer = SetupPage::None;
    QStringList questions;
    QStringList questionTitles;
    QStringList fileDialogTitles;

    QStringList messageTexts() const;
    // The text of the problem of that subject in the last problem window (empty when none).
    QString problemText(const QString& subject) const;

private:
    std::optional<QString> nextFile();
};

} // namespace vorlo::test
