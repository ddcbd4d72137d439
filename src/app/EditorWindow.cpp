#include "EditorWindow.h"

#include "BoundMenuAction.h"
#include "EditorForm.h"
#include "EditorTabs.h"
#include "FieldTextFitter.h"
#include "Form.h"
#include "PanelLabel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>

namespace vorlo {
namespace {

void addIf(QBoxLayout* layout, QWidget* w, int stretch = 0) {
    if (w)
        layout->addWidget(w, stretch);
}

} // namespace

EditorWindow::EditorWindow(Console& console, Form& form, QWidget* parent)
    : FormDialog(console, form, true, parent) {
    using namespace ctl::editor;
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(6, 4, 6, 6);
    top->setSpacing(4);
    buildMenu();
    top->setMenuBar(menuBar_);

    if (Control* c = form.find(SSTab1)) {
        tabs_ = new EditorTabs(*c, this);
        tabs_->addTab(stopsTab(0, &LabelFondi, {{0, &TextFondi, 0}}), QString());
        tabs_->addTab(stopsTab(1, nullptr, {{1, &TextMutaz}}), QString());
        tabs_->addTab(stopsTab(2, &LabelAncie, {{2, &TextAncie, editor::kFondi}, {3, &TextPedale}}),
                      QString());
        tabs_->addTab(globalTab(), QString());
        tabs_->addTab(sizeTab(), QString());
        tabs_->refresh();
        top->addWidget(tabs_, 1);
    }
    top->addLayout(statusRows());
}

void EditorWindow::buildMenu() {
    menuBar_ = new QMenuBar(this);
    QMenu* menu = nullptr;
    for (Control* c : form_.controls()) {
        if (c->kind() == ControlKind::Menu) {
            menu = menuBar_->addMenu(c->caption());
            menu->setObjectName(c->name());
        } else if (menu && c->kind() == ControlKind::MenuItem) {
            menu->addAction(new BoundMenuAction(*c, false, menu));
        }
    }
}

QWidget* EditorWindow::page(QLayout* content, int titleIndex) {
    using namespace ctl::editor;
    auto* w = new QWidget;
    auto* column = new QVBoxLayout(w);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(3);
    if (auto* title = bindAs<PanelLabel>(LabelNomeprog, titleIndex)) {
        QFont f = title->font();
        f.setBold(true);
        title->setFont(f);
        title->setWordWrap(false);
        title->setAlignment(Qt::AlignRight);
        column->addWidget(title);
    }
    column->addLayout(content);
    column->addStretch(1);
    return w;
}

void EditorWindow::addFields(QGridLayout* grid, const StopGroup& group, int firstRow,
                             int firstColumn) {
    for (int i = 0; i < group.count(); ++i) {
        const int row = firstRow + i % StopGroup::kRows;
        const int column = firstColumn + (i / StopGroup::kRows) * group.span();
        if (group.firstCheck >= 0) {
            if (QWidget* box = bind(ctl::editor::Rinforzabile, group.firstCheck + i))
                grid->addWidget(box, row, column);
        }
        if (auto* field = bindAs<QLineEdit>(*group.fields, i)) {
            new FieldTextFitter(*field);
            grid->addWidget(field, row, column + group.span() - 1);
        }
    }
}

QWidget* EditorWindow::stopsTab(int titleIndex, const ControlId* heading,
                                std::initializer_list<StopGroup> groups) {
    int columns = 0;
    for (const StopGroup& g : groups)
        columns += g.width();
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    const int namesRow = heading ? 1 : 0;
    if (heading) {
        if (QWidget* w = bind(*heading))
            grid->addWidget(w, 0, 0, 1, columns);
    }
    // The names first, then the fields: the order the player tabs through them.
    int column = 0;
    for (const StopGroup& g : groups) {
        if (QWidget* name = bind(ctl::editor::Text_NomiCorpi, g.nameIndex))
            grid->addWidget(name, namesRow, column, 1, g.width());
        column += g.width();
    }
    column = 0;
    for (const StopGroup& g : groups) {
        addFields(grid, g, namesRow + 1, column);
        // A later group's first column keeps at least 8 pixels.
        if (column > 0)
            grid->setColumnMinimumWidth(column, 8);
        column += g.width();
    }
    return page(grid, titleIndex);
}

QWidget* EditorWindow::globalTab() {
    using namespace ctl::editor;
    auto* column = new QVBoxLayout;
    auto* frame = bindAs<QGroupBox>(FrameGlobal);
    if (!frame)
        return page(column, 3);
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(4);
    // Columns: reset labels, Global Reset, Temperaments, Reverb, Rinforzi e Tremoli, Annullatori.
    // Each column's share of the width follows the length of what it holds: reset messages are
    // described at length, reverbs are short names.
    const struct {
        int first, count, share;
    } columns[5] = {{0, 10, 5}, {10, 12, 4}, {22, 8, 3}, {30, 10, 4}, {40, 12, 4}};
    for (int k = 0; k < 5; ++k) {
        grid->setColumnStretch(k + 1, columns[k].share);
        // A long heading wraps rather than take its column's width from the others.
        if (auto* heading = bindAs<PanelLabel>(LabelGlobal, k)) {
            heading->setWordWrap(true);
            heading->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
            grid->addWidget(heading, 0, k + 1);
        }
        for (int j = 0; j < columns[k].count; ++j) {
            if (auto* field = bindAs<QLineEdit>(TextGlobal, columns[k].first + j)) {
                new FieldTextFitter(*field, true);
                grid->addWidget(field, j + 1, k + 1);
            }
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (auto* reset = bindAs<PanelLabel>(LabelReset, i)) {
            reset->setWordWrap(false);
            grid->addWidget(reset, i + 1, 0);
        }
    }
    column->addWidget(frame);
    return page(column, 3);
}

QWidget* EditorWindow::sizeTab() {
    using namespace ctl::editor;
    auto* row = new QHBoxLayout;
    if (auto* frame = bindAs<QGroupBox>(Resize_frame)) {
        auto* inside = new QVBoxLayout(frame);
        auto* sliderRow = new QHBoxLayout;
        addIf(sliderRow, bind(Slidersize), 1);
        if (QWidget* size = bind(LabelSize)) {
            size->setMinimumWidth(size->fontMetrics().horizontalAdvance(QStringLiteral("160 %")) +
                                  8);
            sliderRow->addWidget(size);
        }
        inside->addLayout(sliderRow);
        addIf(inside, bind(LabelResize));
        addIf(inside, bind(Redraw));
        inside->addStretch(1);
        row->addWidget(frame, 3);
    }
    if (auto* note = bindAs<PanelLabel>(LabelResizeNote)) {
        note->setWordWrap(true);
        row->addWidget(note, 2, Qt::AlignTop);
    }
    // No program title on this tab.
    auto* w = new QWidget;
    auto* column = new QVBoxLayout(w);
    column->addLayout(row);
    column->addStretch(1);
    return w;
}

QLayout* EditorWindow::statusRows() {
    using namespace ctl::editor;
    auto* rows = new QVBoxLayout;
    auto* first = new QHBoxLayout;
    for (const ControlId& id : {LabelSyxIndex, Syx_index, LabelSyxLength, Syx_lenght}) {
        if (auto* label = bindAs<PanelLabel>(id)) {
            label->setWordWrap(false);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            first->addWidget(label);
        }
    }
    // Room for the largest index and length from the start, so that showing an entry never
    // widens the window.
    const struct {
        const ControlId* id;
        const char* widest;
    } values[] = {{&Syx_index, "000"}, {&Syx_lenght, "00000 Bytes"}};
    for (const auto& v : values) {
        if (QWidget* label = controlWidget(QString::fromLatin1(v.id->name)))
            label->setMinimumWidth(
                label->fontMetrics().horizontalAdvance(QString::fromLatin1(v.widest)));
    }
    first->addSpacing(12);
    for (int i = 0; i < 4; ++i) {
        if (auto* legend = bindAs<PanelLabel>(LabelLegend, i)) {
            legend->setWordWrap(false);
            legend->setShowsBorder(true);
            legend->setMargin(2);
            legend->setAlignment(Qt::AlignCenter);
            first->addWidget(legend);
        }
    }
    first->addStretch(1);
    rows->addLayout(first);
    // The file row carries the file-name button: the first row then fits the tabs' width.
    auto* second = new QHBoxLayout;
    if (auto* file = bindAs<PanelLabel>(File_label)) {
        file->setWordWrap(false);
        // A long path is shortened in its middle rather than widen the window.
        file->setElideMode(Qt::ElideMiddle);
        file->setShowsBorder(true);
        file->setMargin(2);
        second->addWidget(file, 1);
    }
    addIf(second, bind(CommandName));
    rows->addLayout(second);
    return rows;
}

} // namespace vorlo
