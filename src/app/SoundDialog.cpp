#include "SoundDialog.h"

#include "SoundWindowControls.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace vorlo {
namespace {

constexpr int kButtonWidth = 90;
constexpr int kToneCheckHeight = 120;
constexpr int kMinimumWidth = 620;

// The label's caption names the row; the label itself is not shown.
void addRow(QFormLayout* form, QWidget* label, QWidget* field) {
    if (!field)
        return;
    auto* caption = qobject_cast<QLabel*>(label);
    if (caption) {
        caption->setBuddy(field);
        form->addRow(caption, field);
    } else {
        form->addRow(field);
    }
}

// Several controls side by side as one row's field.
QWidget* row(QWidget* parent, std::initializer_list<std::pair<QWidget*, int>> parts) {
    auto* box = new QWidget(parent);
    auto* line = new QHBoxLayout(box);
    line->setContentsMargins(0, 0, 0, 0);
    for (const auto& [w, stretch] : parts) {
        if (w)
            line->addWidget(w, stretch);
    }
    return box;
}

} // namespace

SoundDialog::SoundDialog(Console& console, Form& form, QWidget* parent)
    : FormDialog(console, form, false, parent) {
    using namespace ctl::sound;
    auto* top = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    addRow(fields, bind(LabelDriver), bind(DriverCombo));
    addRow(fields, bind(LabelDevice), row(this, {{bind(DeviceCombo), 1}, {bind(DeviceText), 1}}));
    addRow(
        fields, bind(LabelSoundFont),
        row(this,
            {{bind(SoundFontText), 1}, {bind(SoundFontBrowse), 0}, {bind(SoundFontAutomatic), 0}}));
    if (QWidget* check = bind(ToneCheck)) {
        check->setMinimumHeight(kToneCheckHeight);
        // The report's lines are sentences: wrapped, never scrolled sideways.
        if (auto* list = qobject_cast<QListWidget*>(check)) {
            list->setWordWrap(true);
            list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        }
        fields->addRow(check);
    }
    addRow(fields, bind(LabelBuffer), row(this, {{bind(BufferCombo), 0}, {bind(LabelLatency), 1}}));
    addRow(fields, bind(LabelRate), bind(RateCombo));
    addRow(fields, bind(LabelVolume),
           row(this, {{bind(VolumeSlider), 1}, {bind(LabelVolumeValue), 0}}));
    top->addLayout(fields);
    if (auto* status = bindAs<QLabel>(LabelStatus)) {
        status->setWordWrap(true);
        top->addWidget(status);
    }

    auto* buttons = new QHBoxLayout;
    if (QWidget* test = bind(TestButton)) {
        test->setMinimumWidth(kButtonWidth);
        buttons->addWidget(test);
    }
    buttons->addStretch(1);
    for (const ControlId& id : {ApplyButton, OkButton, CancelButton}) {
        if (QWidget* b = bind(id)) {
            b->setMinimumWidth(kButtonWidth);
            buttons->addWidget(b);
        }
    }
    top->addLayout(buttons);
    setMinimumWidth(kMinimumWidth);
}

} // namespace vorlo
