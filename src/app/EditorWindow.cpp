#include "EditorWindow.h"

#include "BoundMenuAction.h"
#include "EditorTabs.h"
#include "PanelLabel.h"
#include "panel/Form.h"
#include "stops_table/EditorForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QVBoxLayout>

namespace vorlo {
namespace {

constexpr int kRows = 10;

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
        tabs_->addTab(fondiTab(), QString());
        tabs_->addTab(mutazioniTab(), QString());
        tabs_->addTab(ancieTab(), QString());
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

void EditorWindow::addFields(QGridLayout* grid, const ControlArrayId& fields, int firstRow,
                             int firstColumn, int firstCheck) {
    using namespace ctl::editor;
    const int span = firstCheck >= 0 ? 2 : 1;
    for (int i = 0; i < fields.count(); ++i) {
        const int row = firstRow + i % kRows;
        const int column = firstColumn + (i / kRows) * span;
        if (firstCheck >= 0) {
            if (QWidget* box = bind(Rinforzabile, firstCheck + i))
                grid->addWidget(box, row, column);
        }
        if (QWidget* field = bind(fields, i))
            grid->addWidget(field, row, column + span - 1);
    }
}

QWidget* EditorWindow::fondiTab() {
    using namespace ctl::editor;
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    if (QWidget* heading = bind(LabelFondi))
        grid->addWidget(heading, 0, 0, 1, 6);
    if (QWidget* name = bind(Text_NomiCorpi, 0))
        grid->addWidget(name, 1, 0, 1, 6);
    addFields(grid, TextFondi, 2, 0, 0);
    return page(grid, 0);
}

QWidget* EditorWindow::mutazioniTab() {
    using namespace ctl::editor;
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    if (QWidget* name = bind(Text_NomiCorpi, 1))
        grid->addWidget(name, 0, 0, 1, 2);
    addFields(grid, TextMutaz, 1, 0);
    return page(grid, 1);
}

QWidget* EditorWindow::ancieTab() {
    using namespace ctl::editor;
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    if (QWidget* heading = bind(LabelAncie))
        grid->addWidget(heading, 0, 0, 1, 6);
    if (QWidget* name = bind(Text_NomiCorpi, 2))
        grid->addWidget(name, 1, 0, 1, 4);
    if (QWidget* name = bind(Text_NomiCorpi, 3))
        grid->addWidget(name, 1, 4, 1, 2);
    addFields(grid, TextAncie, 2, 0, editor::kFondi);
    addFields(grid, TextPedale, 2, 4);
    grid->setColumnMinimumWidth(4, 8);
    return page(grid, 2);
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
    const struct {
        int first, count;
    } columns[5] = {{0, 10}, {10, 12}, {22, 8}, {30, 10}, {40, 12}};
    for (int k = 0; k < 5; ++k) {
        if (auto* heading = bindAs<PanelLabel>(LabelGlobal, k)) {
            heading->setWordWrap(false);
            grid->addWidget(heading, 0, k + 1);
        }
        for (int j = 0; j < columns[k].count; ++j) {
            if (QWidget* field = bind(TextGlobal, columns[k].first + j))
                grid->addWidget(field, j + 1, k + 1);
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
    addIf(first, bind(CommandName));
    rows->addLayout(first);
    if (auto* file = bindAs<PanelLabel>(File_label)) {
        file->setWordWrap(false);
        file->setShowsBorder(true);
        file->setMargin(2);
        rows->addWidget(file);
    }
    return rows;
}

} // namespace vorlo
