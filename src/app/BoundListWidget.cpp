#include "BoundListWidget.h"

#include "panel/Control.h"

namespace vorlo {

BoundListWidget::BoundListWidget(Control& control, std::optional<TwipsConverter> converter,
                                 QWidget* parent)
    : QListWidget(parent), binding_(control, *this, converter) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(&control, &Control::changed, this, &BoundListWidget::refresh);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!updating_ && row >= 0)
            binding_.run([row](Control& c) { c.chooseListIndex(row); });
    });
    refresh();
}

QStringList BoundListWidget::entries() const {
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out.append(item(i)->text());
    return out;
}

void BoundListWidget::refresh() {
    Control* c = binding_.control();
    if (!c)
        return;
    updating_ = true;
    const QStringList& wanted = c->items();
    if (wanted.size() != count() || entries() != wanted) {
        const QStringList shown = entries();
        if (wanted.size() > shown.size() && wanted.mid(0, shown.size()) == shown) {
            addItems(wanted.mid(shown.size()));
        } else {
            clear();
            addItems(wanted);
        }
    }
    const int i = c->listIndex();
    if (i >= 0 && i < count()) {
        if (currentRow() != i) {
            setCurrentRow(i);
            scrollToItem(item(i), QAbstractItemView::PositionAtTop);
        }
    } else if (currentRow() != -1 || !selectedItems().isEmpty()) {
        setCurrentRow(-1);
        clearSelection();
    }
    updating_ = false;
    binding_.apply();
}

} // namespace vorlo
