#pragma once

#include "StartupProblem.h"

#include <QDialog>
#include <QList>

namespace vorlo {

// The one window that tells what the start-up found needing the player: each problem in plain
// words with its reason, what to do, and a button to the window where it is done. Pressing such
// a button closes the dialog with that window as its answer; Close answers None.
class ProblemsDialog : public QDialog {
    Q_OBJECT
public:
    ProblemsDialog(const QList<StartupProblem>& problems, const QString& title,
                   QWidget* parent = nullptr);

    SetupPage chosenPage() const { return chosen_; }
    // The caption of the button that opens a window ("MIDI devices...").
    static QString buttonCaption(SetupPage page);

private:
    SetupPage chosen_ = SetupPage::None;
};

} // namespace vorlo
