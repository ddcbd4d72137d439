#include "BoundComboBox.h"

#include "panel/Control.h"

namespace vorlo {

BoundComboBox::BoundComboBox(Control& control, std::optional<TwipsConverter> converter,
                             QWidget* parent)
    : QComboBox(parent), binding_(control, *this, converter) {
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(&control, &Control::changed, this, &BoundComboBox::refresh);
    connect(this, &QComboBox::activated, this, [this](int i) {
        if (!updating_)
            binding_.run([i](Control& c) { c.chooseListIndex(i); });
    });
    refresh();
}

QStringList BoundComboBox::entries() const {
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out.append(itemText(i));
    return out;
}

void BoundComboBox::refresh() {
    Control* c = binding_.control();
    if (!c)
        return;
    updating_ = true;
    const QStringList& wanted = c->items();
    const QStringList shown = entries();
    if (shown != wanted) {
        // Entries are mostly added one at a time: append what is new, rebuild otherwise.
        if (wanted.size() > shown.size() && wanted.mid(0, shown.size()) == shown) {
            addItems(wanted.mid(shown.size()));
        } else {
            clear();
            addItems(wanted);
        }
    }
    const int i = c->listIndex();
    setCurrentIndex(i >= 0 && i < count() ? i : -1);
    updating_ = false;
    binding_.apply();
}

} // namespace vorlo
