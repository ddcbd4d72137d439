#pragma once

#include "Dialogs.h"

class QWidget;

namespace vorlo {

// The console's messages, questions and file dialogs as Qt dialogs, over the active window.
class QtDialogs : public Dialogs {
public:
    void message(const QString& text, const QString& title, Icon icon) override;
    bool messageOkCancel(const QString& text, const QString& title, Icon icon) override;
    bool askYesNo(const QString& text, const QString& title) override;
    std::optional<QString> openFileName(const QString& title, const QString& filter) override;
    std::optional<QString> saveFileName(const QString& title, const QString& filter,
                                        const QString& defaultSuffix) override;
    SetupPage showProblems(const QList<StartupProblem>& problems, const QString& title) override;

    // "*.sqs" or "Memory files (*.sqs)|*.sqs" as a Qt name filter.
    static QString nameFilter(const QString& filter);

    // While the program ends without anyone at the screen (a signal, the end of the desktop
    // session), messages go to the standard error instead of waiting for an OK, questions
    // are answered No and file dialogs are cancelled.
    void setUnattended(bool unattended) { unattended_ = unattended; }
    bool isUnattended() const { return unattended_; }

private:
    static QWidget* owner();

    bool unattended_ = false;
};

} // namespace vorlo
