#include "SetupDialog.h"

#include "Form.h"
#include "PanelLabel.h"
#include "SetupWindowControls.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vorlo {
namespace {

void addRow(QFormLayout* form, const QString& text, QWidget* field) {
    if (field)
        form->addRow(text, field);
}

// A delay: its frame holds the slider and the label with the value in milliseconds.
QWidget* delayRow(QWidget* frame, QWidget* slider, QWidget* value) {
    if (!frame)
        return nullptr;
    auto* row = new QHBoxLayout(frame);
    if (slider)
        row->addWidget(slider, 1);
    if (value) {
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
        row->addWidget(value);
        row->addWidget(new QLabel(QStringLiteral("ms"), frame));
    }
    return frame;
}

} // namespace

SetupDialog::SetupDialog(Console& console, Form& form, QWidget* parent)
    : FormDialog(console, form, false, parent) {
    using namespace ctl::setup;
    auto* top = new QVBoxLayout(this);

    addProgramTitle(top, LabelNomeprog);

    auto* devices = new QFormLayout;
    addRow(devices, QStringLiteral("MIDI OUT (sound module)"), bind(outputDevcombo));
    addRow(devices, QStringLiteral("MIDI IN 1 (keyboard 1)"), bind(InputDev1Combo));
    addRow(devices, QStringLiteral("MIDI IN 2 (keyboard 2)"), bind(InputDev2Combo));
    addRow(devices, QStringLiteral("Wire speed to the module"), bind(WireSpeedCombo));
    top->addLayout(devices);

    auto* filters = new QGroupBox(QStringLiteral("INPUT FILTERS"), this);
    filters->setObjectName(QStringLiteral("filters"));
    auto* filterGrid = new QGridLayout(filters);
    for (int i = 0; i < 8; ++i) {
        if (QWidget* box = bind(Check_Filters, i)) {
            box->setParent(filters);
            filterGrid->addWidget(box, i / 4, i % 4);
        }
    }
    top->addWidget(filters);

    QWidget* sysex = delayRow(bind(FrameSysex), bind(Slider1), bind(UserDelay));
    QWidget* note = delayRow(bind(FrameNote), bind(Slider2), bind(Label_hang));
    auto* delays = new QHBoxLayout;
    if (sysex)
        delays->addWidget(sysex);
    if (note)
        delays->addWidget(note);
    top->addLayout(delays);
    if (QWidget* hint = bind(LabelSysexHint))
        top->addWidget(hint);

    auto* buttons = new QHBoxLayout;
    if (QWidget* refresh = bind(Refresh))
        buttons->addWidget(refresh);
    buttons->addStretch(1);
    for (const ControlId& id : {Command1, Command3}) {
        if (QWidget* b = bind(id)) {
            b->setMinimumWidth(90);
            buttons->addWidget(b);
        }
    }
    top->addLayout(buttons);
    setMinimumWidth(520);
}

} // namespace vorlo
