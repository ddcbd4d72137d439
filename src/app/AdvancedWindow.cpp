#include "AdvancedWindow.h"

#include "AdvancedWindowControls.h"
#include "BoundWidget.h"
#include "Console.h"
#include "Form.h"
#include "PanelLabel.h"
#include "ScreenMetrics.h"
#include "TwipsConverter.h"

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
    desk->addWidget(
        balanceFrame(ctl::advanced::FrameGreat, 1, ctl::advanced::SliderGO, ctl::advanced::EXPGO));
    desk->addWidget(
        balanceFrame(ctl::advanced::FrameSwell, 2, ctl::advanced::SliderSW, ctl::advanced::EXPSW));
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

QWidget* AdvancedWindow::heading(PanelLabel* label) {
    if (!label)
        return nullptr;
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return label;
}

QWidget* AdvancedWindow::fader(BoundSlider* slider) {
    if (!slider)
        return nullptr;
    // The top is the maximum: the player pushes a level up.
    slider->setOrientation(Qt::Vertical);
    slider->setInvertedAppearance(false);
    slider->setTickPosition(QSlider::TicksBothSides);
    slider->setMinimumHeight(kFaderHeight);
    return slider;
}

QWidget* AdvancedWindow::value(PanelLabel* label) {
    if (!label)
        return nullptr;
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignCenter);
    label->setShowsBorder(true);
    label->setMargin(1);
    return label;
}

QWidget* AdvancedWindow::caption(PanelLabel* label) {
    if (!label)
        return nullptr;
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QGroupBox* AdvancedWindow::balanceFrame(const ControlId& frame, int index, const ControlId& level,
                                        const ControlId& levelValue) {
    using namespace ctl::advanced;
    auto* box = bindAs<QGroupBox>(frame);
    if (!box)
        box = new QGroupBox(this);
    auto* row = new QHBoxLayout(box);
    row->setSpacing(6);
    const struct {
        ControlArrayId heading;
        ControlArrayId slider;
        ControlArrayId value;
    } balances[] = {
        {HeadingF, SliderFondi, EXPfondi},
        {HeadingM, SliderMutazioni, EXPmutazioni},
        {HeadingA, SliderAncie, EXPancie},
    };
    for (const auto& b : balances)
        row->addLayout(strip(heading(bindAs<PanelLabel>(b.heading, index)),
                             fader(bindAs<BoundSlider>(b.slider, index)),
                             value(bindAs<PanelLabel>(b.value, index)), stripWidth_));
    row->addWidget(separator(Qt::Vertical));
    row->addLayout(strip(heading(bindAs<PanelLabel>(HeadingGlobal, index)),
                         fader(bindAs<BoundSlider>(level)), value(bindAs<PanelLabel>(levelValue)),
                         levelStripWidth_));
    return box;
}

QGroupBox* AdvancedWindow::pedalFrame() {
    using namespace ctl::advanced;
    auto* box = bindAs<QGroupBox>(FramePedal);
    if (!box)
        box = new QGroupBox(this);
    auto* row = new QHBoxLayout(box);
    row->addLayout(strip(nullptr, fader(bindAs<BoundSlider>(SliderPE)),
                         value(bindAs<PanelLabel>(EXPPE)), levelStripWidth_));
    return box;
}

QBoxLayout* AdvancedWindow::couplingAndRecall() {
    using namespace ctl::advanced;
    auto* column = new QVBoxLayout;
    if (auto* coupling = bindAs<QGroupBox>(FrameCoupling)) {
        auto* options = new QVBoxLayout(coupling);
        for (int i = 0; i < 3; ++i)
            addIf(options, bind(OptionGlobalCoupling, i));
        column->addWidget(coupling);
    }
    column->addSpacing(6);
    if (auto* recall = bindAs<PanelLabel>(LabelRecall)) {
        recall->setWordWrap(true);
        column->addWidget(recall);
    }
    for (int i = 0; i < 2; ++i)
        addIf(column, bind(Memory_Recall, i));
    column->addStretch(1);
    return column;
}

QGridLayout* AdvancedWindow::settings() {
    using namespace ctl::advanced;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    auto put = [grid](QWidget* w, int row, int column, int columnSpan = 1) {
        if (w)
            grid->addWidget(w, row, column, 1, columnSpan);
    };
    put(caption(bindAs<PanelLabel>(LabelTemperament)), 0, 0);
    put(bind(Temperamenti), 0, 1);
    put(caption(bindAs<PanelLabel>(LabelTune)), 0, 2);
    put(bind(NotaInizTemp), 0, 3);
    put(caption(bindAs<PanelLabel>(LabelReverb)), 0, 4);
    put(bind(Riverberi), 0, 5);

    put(caption(bindAs<PanelLabel>(LabelTremolo)), 1, 0);
    put(bind(TremoloType), 1, 1);
    auto* rate = new QHBoxLayout;
    addIf(rate, bind(SliderTremoloRate), 1);
    if (QWidget* shown = value(bindAs<PanelLabel>(Valore))) {
        shown->setFixedWidth(stripWidth_);
        rate->addWidget(shown);
    }
    grid->addLayout(rate, 1, 2, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(5, 1);
    return grid;
}

} // namespace vorlo
