#pragma once

#include "StartupProblem.h"

#include <QList>
#include <QString>
#include <optional>

namespace vorlo {

// Messages and questions to the player. The Qt windows answer them with message boxes;
// tests answer them by script.
class Dialogs {
public:
    enum class Icon { None, Information, Exclamation, Critical };

    virtual ~Dialogs() = default;

    // A message with an OK button; returns when the player has read it.
    virtual void message(const QString& text, const QString& title, Icon icon) = 0;
    // A message with OK and Cancel buttons; true for OK. Without an implementation of its own
    // a dialog shows it as a plain message.
    virtual bool messageOkCancel(const QString& text, const QString& title, Icon icon) {
        message(text, title, icon);
        return true;
    }
    // A Yes/No question with the exclamation icon and No as the default button.
    // True only for Yes.
    virtual bool askYesNo(const QString& text, const QString& title) = 0;
    // The platform's file dialogs. filter is a star pattern such as "*.sqs".
    // nullopt when the player cancels.
    virtual std::optional<QString> openFileName(const QString& title, const QString& filter) = 0;
    virtual std::optional<QString> saveFileName(const QString& title, const QString& filter,
                                                const QString& defaultSuffix) = 0;
    // The problems found at start-up, in one window, each with a button to the window that
    // mends it; returns the window the player asked for (None when the player only closed
    // it). Without an implementation of its own a dialog shows them as one plain message.
    virtual SetupPage showProblems(const QList<StartupProblem>& problems, const QString& title) {
        QString text;
        for (const StartupProblem& p : problems)
            text += p.subject + QStringLiteral(": ") + p.text + QStringLiteral(" ") + p.advice +
                    QStringLiteral("\n\n");
        message(text.trimmed(), title, Icon::Exclamation);
        return SetupPage::None;
    }
};

} // namespace vorlo
