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
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(6, 4, 6, 6);
    top->setSpacing(4);
    buildMenu();
    top->setMenuBar(menuBar_);

    if (Control* c = form.find(QStringLiteral("SSTab1"))) {
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
    for (const char* name : editor::kMenu) {
        Control* c = form_.find(QString::fromLatin1(name));
        if (!c)
            continue;
        if (!menu) {
            menu = menuBar_->addMenu(c->caption());
            menu->setObjectName(c->name());
            continue;
        }
        menu->addAction(new BoundMenuAction(*c, false, menu));
    }
}

QWidget* EditorWindow::page(QLayout* content, int titleIndex) {
    auto* w = new QWidget;
    auto* column = new QVBoxLayout(w);
    column->setContentsMargins(6, 4, 6, 4);
    column->setSpacing(3);
    if (auto* title = bindAs<PanelLabel>(QStringLiteral("LabelNomeprog"), titleIndex)) {
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

void EditorWindow::addFields(QGridLayout* grid, const char* fields, int count, int firstRow,
                             int firstColumn, int firstCheck) {
    const int span = firstCheck >= 0 ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        const int row = firstRow + i % kRows;
        const int column = firstColumn + (i / kRows) * span;
        if (firstCheck >= 0) {
            if (QWidget* box = bind(QStringLiteral("Rinforzabile"), firstCheck + i))
                grid->addWidget(box, row, column);
        }
        if (QWidget* field = bind(QString::fromLatin1(fields), i))
            grid->addWidget(field, row, column + span - 1);
    }
}

QWidget* EditorWindow::fondiTab() {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    if (QWidget* heading = bind(QStringLiteral("LabelFondi")))
        grid->addWidget(heading, 0, 0, 1, 6);
    if (QWidget* name = bind(QStringLiteral("Text_NomiCorpi"), 0))
        grid->addWidget(name, 1, 0, 1, 6);
    addFields(grid, "TextFondi", editor::kFondi, 2, 0, 0);
    return page(grid, 0);
}

QWidget* EditorWindow::mutazioniTab() {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    if (QWidget* name = bind(QStringLiteral("Text_NomiCorpi"), 1))
        grid->addWidget(name, 0, 0, 1, 2);
    addFields(grid, "TextMutaz", editor::kOthers, 1, 0);
    return page(grid, 1);
}

QWidget* EditorWindow::ancieTab() {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    if (QWidget* heading = bind(QStringLiteral("LabelAncie")))
        grid->addWidget(heading, 0, 0, 1, 6);
    if (QWidget* name = bind(QStringLiteral("Text_NomiCorpi"), 2))
        grid->addWidget(name, 1, 0, 1, 4);
    if (QWidget* name = bind(QStringLiteral("Text_NomiCorpi"), 3))
        grid->addWidget(name, 1, 4, 1, 2);
    addFields(grid, "TextAncie", editor::kOthers, 2, 0, editor::kFondi);
    addFields(grid, "TextPedale", editor::kOthers, 2, 4);
    grid->setColumnMinimumWidth(4, 8);
    return page(grid, 2);
}

QWidget* EditorWindow::globalTab() {
    auto* column = new QVBoxLayout;
    auto* frame = bindAs<QGroupBox>(QStringLiteral("FrameGlobal"));
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
        if (auto* heading = bindAs<PanelLabel>(QStringLiteral("LabelGlobal"), k)) {
            heading->setWordWrap(false);
            grid->addWidget(heading, 0, k + 1);
        }
        for (int j = 0; j < columns[k].count; ++j) {
            if (QWidget* field = bind(QStringLiteral("TextGlobal"), columns[k].first + j))
                grid->addWidget(field, j + 1, k + 1);
        }
    }
    for (int i = 0; i < 4; ++i) {
        if (auto* reset = bindAs<PanelLabel>(QStringLiteral("LabelReset"), i)) {
            reset->setWordWrap(false);
            grid->addWidget(reset, i + 1, 0);
        }
    }
    column->addWidget(frame);
    return page(column, 3);
}

QWidget* EditorWindow::sizeTab() {
    auto* row = new QHBoxLayout;
    if (auto* frame = bindAs<QGroupBox>(QStringLiteral("Resize_frame"))) {
        auto* inside = new QVBoxLayout(frame);
        auto* sliderRow = new QHBoxLayout;
        addIf(sliderRow, bind(QStringLiteral("Slidersize")), 1);
        if (QWidget* size = bind(QStringLiteral("LabelSize"))) {
            size->setMinimumWidth(size->fontMetrics().horizontalAdvance(QStringLiteral("160 %")) +
                                  8);
            sliderRow->addWidget(size);
        }
        inside->addLayout(sliderRow);
        addIf(inside, bind(QStringLiteral("LabelResize")));
        addIf(inside, bind(QStringLiteral("Redraw")));
        inside->addStretch(1);
        row->addWidget(frame, 3);
    }
    if (auto* note = bindAs<PanelLabel>(QStringLiteral("LabelResizeNote"))) {
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
    auto* rows = new QVBoxLayout;
    auto* first = new QHBoxLayout;
    for (const char* name : {"LabelSyxIndex", "Syx_index", "LabelSyxLength", "Syx_lenght"}) {
        if (auto* label = bindAs<PanelLabel>(QString::fromLatin1(name))) {
            label->setWordWrap(false);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            first->addWidget(label);
        }
    }
    first->addSpacing(12);
    for (int i = 0; i < 4; ++i) {
        if (auto* legend = bindAs<PanelLabel>(QStringLiteral("LabelLegend"), i)) {
            legend->setWordWrap(false);
            legend->setShowsBorder(true);
            legend->setMargin(2);
            legend->setAlignment(Qt::AlignCenter);
            first->addWidget(legend);
        }
    }
    first->addStretch(1);
    addIf(first, bind(QStringLiteral("CommandName")));
    rows->addLayout(first);
    if (auto* file = bindAs<PanelLabel>(QStringLiteral("File_label"))) {
        file->setWordWrap(false);
        file->setShowsBorder(true);
        file->setMargin(2);
        rows->addWidget(file);
    }
    return rows;
}

} // namespace vorlo
