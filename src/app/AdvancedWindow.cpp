#include "AdvancedWindow.h"

#include "BoundWidget.h"
#include "PanelLabel.h"
#include "TwipsConverter.h"
#include "core/Console.h"
#include "core/ScreenMetrics.h"
#include "panel/Form.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace vorlo {
namespace {

constexpr int kFaderHeight = 150;

QFrame* separator(Qt::Orientation orientation) {
    auto* line = new QFrame;
    line->setFrameShape(orientation == Qt::Vertical ? QFrame::VLine : QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

void addIf(QBoxLayout* layout, QWidget* w, int stretch = 0, Qt::Alignment a = {}) {
    if (w)
        layout->addWidget(w, stretch, a);
}

} // namespace

AdvancedWindow::AdvancedWindow(Console& console, Form& form, QWidget* parent)
    : FormDialog(console, form, false, parent) {
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    stripWidth_ = std::max(boldMetrics.horizontalAdvance(QStringLiteral("0000")), 30);
    levelStripWidth_ =
        std::max(boldMetrics.horizontalAdvance(QStringLiteral("Global")) + 8, stripWidth_);
    headingHeight_ = boldMetrics.height();

    auto* top = new QVBoxLayout(this);
    auto* desk = new QHBoxLayout;
    desk->addWidget(balanceFrame("FrameGreat", 1, "SliderGO", "EXPGO"));
    desk->addWidget(balanceFrame("FrameSwell", 2, "SliderSW", "EXPSW"));
    desk->addWidget(pedalFrame());
    desk->addLayout(couplingAndRecall(), 1);
    top->addLayout(desk, 1);
    top->addWidget(separator(Qt::Horizontal));
    top->addLayout(settings());

    // The console's width, unless the controls need more; the faders may grow taller.
    if (!std::isnan(form_.width())) {
        const TwipsConverter twips(console_.screen().twipsPerPixel());
        setFixedWidth(std::max(minimumSizeHint().width(), twips.toPixels(form_.width())));
    }
}

QBoxLayout* AdvancedWindow::strip(QWidget* heading, QWidget* slider, QWidget* value, int width) {
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    if (heading) {
        heading->setFixedSize(width, headingHeight_);
        column->addWidget(heading, 0, Qt::AlignHCenter);
    } else {
        // As high as a heading and the gap under it, so the faders line up.
        column->addSpacing(headingHeight_ + column->spacing());
    }
    addIf(column, slider, 1, Qt::AlignHCenter);
    if (value) {
        value->setFixedWidth(width);
        column->addWidget(value, 0, Qt::AlignHCenter);
    }
    return column;
}

QWidget* AdvancedWindow::heading(const char* name, int index) {
    auto* label = bindAs<PanelLabel>(QString::fromLatin1(name), index);
    if (!label)
        return nullptr;
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return label;
}

QWidget* AdvancedWindow::fader(const char* name, int index) {
    auto* slider = bindAs<BoundSlider>(QString::fromLatin1(name), index);
    if (!slider)
        return nullptr;
    // The top is the maximum: the player pushes a level up.
    slider->setOrientation(Qt::Vertical);
    slider->setInvertedAppearance(false);
    slider->setTickPosition(QSlider::TicksBothSides);
    slider->setMinimumHeight(kFaderHeight);
    return slider;
}

QWidget* AdvancedWindow::value(const char* name, int index) {
    auto* label = bindAs<PanelLabel>(QString::fromLatin1(name), index);
    if (!label)
        return nullptr;
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignCenter);
    label->setShowsBorder(true);
    label->setMargin(1);
    return label;
}

QWidget* AdvancedWindow::caption(const char* name) {
    auto* label = bindAs<PanelLabel>(QString::fromLatin1(name));
    if (!label)
        return nullptr;
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QGroupBox* AdvancedWindow::balanceFrame(const char* frame, int index, const char* level,
                                        const char* levelValue) {
    auto* box = bindAs<QGroupBox>(QString::fromLatin1(frame));
    if (!box)
        box = new QGroupBox(this);
    auto* row = new QHBoxLayout(box);
    row->setSpacing(6);
    const struct {
        const char* heading;
        const char* slider;
        const char* value;
    } balances[] = {
        {"HeadingF", "SliderFondi", "EXPfondi"},
        {"HeadingM", "SliderMutazioni", "EXPmutazioni"},
        {"HeadingA", "SliderAncie", "EXPancie"},
    };
    for (const auto& b : balances)
        row->addLayout(strip(heading(b.heading, index), fader(b.slider, index),
                             value(b.value, index), stripWidth_));
    row->addWidget(separator(Qt::Vertical));
    row->addLayout(
        strip(heading("HeadingGlobal", index), fader(level), value(levelValue), levelStripWidth_));
    return box;
}

QGroupBox* AdvancedWindow::pedalFrame() {
    auto* box = bindAs<QGroupBox>(QStringLiteral("FramePedal"));
    if (!box)
        box = new QGroupBox(this);
    auto* row = new QHBoxLayout(box);
    row->addLayout(strip(nullptr, fader("SliderPE"), value("EXPPE"), levelStripWidth_));
    return box;
}

QBoxLayout* AdvancedWindow::couplingAndRecall() {
    auto* column = new QVBoxLayout;
    if (auto* coupling = bindAs<QGroupBox>(QStringLiteral("FrameCoupling"))) {
        auto* options = new QVBoxLayout(coupling);
        for (int i = 0; i < 3; ++i)
            addIf(options, bind(QStringLiteral("OptionGlobalCoupling"), i));
        column->addWidget(coupling);
    }
    column->addSpacing(6);
    if (auto* recall = bindAs<PanelLabel>(QStringLiteral("LabelRecall"))) {
        recall->setWordWrap(true);
        column->addWidget(recall);
    }
    for (int i = 0; i < 2; ++i)
        addIf(column, bind(QStringLiteral("Memory_Recall"), i));
    column->addStretch(1);
    return column;
}

QGridLayout* AdvancedWindow::settings() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    auto put = [grid](QWidget* w, int row, int column, int columnSpan = 1) {
        if (w)
            grid->addWidget(w, row, column, 1, columnSpan);
    };
    put(caption("LabelTemperament"), 0, 0);
    put(bind(QStringLiteral("Temperamenti")), 0, 1);
    put(caption("LabelTune"), 0, 2);
    put(bind(QStringLiteral("NotaInizTemp")), 0, 3);
    put(caption("LabelReverb"), 0, 4);
    put(bind(QStringLiteral("Riverberi")), 0, 5);

    put(caption("LabelTremolo"), 1, 0);
    put(bind(QStringLiteral("TremoloType")), 1, 1);
    auto* rate = new QHBoxLayout;
    addIf(rate, bind(QStringLiteral("SliderTremoloRate")), 1);
    if (QWidget* shown = value("Valore")) {
        shown->setFixedWidth(stripWidth_);
        rate->addWidget(shown);
    }
    grid->addLayout(rate, 1, 2, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    return grid;
}

} // namespace vorlo
