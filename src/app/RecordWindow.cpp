#include "RecordWindow.h"

#include "PanelLabel.h"
#include "RecordWindowControls.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vorlo {
namespace {

constexpr double kElapsedScale = 2.0;
constexpr int kTextWidth = 360;
constexpr int kButtonWidth = 90;

} // namespace

RecordWindow::RecordWindow(Console& console, Form& form, QWidget* parent)
    : FormDialog(console, form, false, parent) {
    using namespace ctl::record;
    auto* top = new QVBoxLayout(this);
    top->setSizeConstraint(QLayout::SetFixedSize);
    for (const ControlId& id : {CheckMidiFile, CheckSetUp, CheckAudio}) {
        if (QWidget* w = bind(id))
            top->addWidget(w);
    }
    if (auto* reason = bindAs<PanelLabel>(LabelAudioReason)) {
        reason->setWordWrap(true);
        reason->setMinimumWidth(kTextWidth);
        reason->setContentsMargins(20, 0, 0, 0);
        top->addWidget(reason);
    }

    auto* file = new QHBoxLayout;
    if (auto* name = bindAs<PanelLabel>(LabelFileName)) {
        name->setWordWrap(true);
        name->setMinimumWidth(kTextWidth - kButtonWidth);
        file->addWidget(name, 1);
    }
    if (QWidget* choose = bind(ButtonFileName)) {
        choose->setMinimumWidth(kButtonWidth);
        file->addWidget(choose);
    }
    top->addSpacing(6);
    top->addLayout(file);

    auto* running = new QHBoxLayout;
    if (auto* elapsed = bindAs<PanelLabel>(LabelElapsed)) {
        QFont f = elapsed->font();
        f.setPointSizeF(f.pointSizeF() * kElapsedScale);
        f.setBold(true);
        elapsed->setFont(f);
        running->addWidget(elapsed, 1);
    }
    if (QWidget* start = bind(ButtonStart)) {
        start->setMinimumWidth(kButtonWidth);
        running->addWidget(start, 0, Qt::AlignVCenter);
    }
    top->addSpacing(6);
    top->addLayout(running);
    if (auto* status = bindAs<PanelLabel>(LabelStatus)) {
        status->setWordWrap(true);
        status->setMinimumWidth(kTextWidth);
        top->addWidget(status);
    }
}

} // namespace vorlo
