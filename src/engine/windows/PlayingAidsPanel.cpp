#include "PlayingAidsPanel.h"

#include "Form.h"
#include "MainWindowControls.h"
#include "PanelState.h"
#include "Transposer.h"

namespace vorlo {

PlayingAidsPanel::PlayingAidsPanel(PanelState& panel) : main_(panel.form(ctl::main::Window)) {}

QString PlayingAidsPanel::transpositionText(int semitones) {
    const QString sign = semitones > 0 ? QStringLiteral("+") : QString();
    return QStringLiteral("Transp. ") + sign + QString::number(semitones);
}

void PlayingAidsPanel::transpositionShown(int semitones) {
    main_(ctl::main::TransposeShown).setCaption(transpositionText(semitones));
    main_(ctl::main::TransposeDown).setEnabled(semitones > Transposer::kMin);
    main_(ctl::main::TransposeUp).setEnabled(semitones < Transposer::kMax);
}

void PlayingAidsPanel::historyShown(bool canUndo, bool canRedo) {
    main_(ctl::main::UndoButton).setEnabled(canUndo);
    main_(ctl::main::RedoButton).setEnabled(canRedo);
}

} // namespace vorlo
