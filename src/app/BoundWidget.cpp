#include "BoundWidget.h"

#include "Control.h"
#include "SystemColors.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <algorithm>

namespace vorlo {

// What every kind shares.

template <typename W>
BoundWidget<W>::BoundWidget(Control& control, std::optional<TwipsConverter> converter,
                            QWidget* parent)
    : W(parent), binding_(control, *this, converter) {
    QObject::connect(&control, &Control::changed, this, [this] { refresh(); });
    setUp();
    refresh();
}

template <typename W> void BoundWidget<W>::refresh() {
    Control* c = binding_.control();
    if (!c)
        return;
    updating_ = true;
    showState(*c);
    updating_ = false;
    binding_.apply();
}

template <typename W> bool BoundWidget<W>::event(QEvent* e) {
    return W::event(e);
}

// A frame reports nothing; the other kinds set themselves up below.
template <typename W> void BoundWidget<W>::setUp() {}

template <typename W>
QStringList BoundWidget<W>::entries()
    const requires std::derived_from<W, QComboBox> || std::derived_from<W, QListWidget> {
    QStringList out;
    for (int i = 0; i < this->count(); ++i) {
        if constexpr (std::derived_from<W, QComboBox>)
            out.append(this->itemText(i));
        else
            out.append(this->item(i)->text());
    }
    return out;
}

template <typename W>
void BoundWidget<W>::showEntries(const QStringList& wanted) requires
    std::derived_from<W, QComboBox> || std::derived_from<W, QListWidget> {
    const QStringList shown = entries();
    if (shown == wanted)
        return;
    // Entries are mostly added one at a time.
    if (wanted.size() > shown.size() && wanted.mid(0, shown.size()) == shown) {
        this->addItems(wanted.mid(shown.size()));
    } else {
        this->clear();
        this->addItems(wanted);
    }
}

template <typename W>
void BoundWidget<W>::showRange(const Control& c) requires std::derived_from<W, QAbstractSlider> {
    if (c.maximum() > c.minimum())
        this->setRange(c.minimum(), c.maximum());
    this->setSingleStep(c.smallChange());
    this->setPageStep(c.largeChange());
}

template <typename W>
void BoundWidget<W>::reportScrolls() requires std::derived_from<W, QAbstractSlider> {
    QObject::connect(this, &QAbstractSlider::valueChanged, this, [this](int v) {
        if (!updating_)
            binding_.run([v](Control& c) { c.scroll(v); });
    });
}

// Check box.

template <> void BoundWidget<QCheckBox>::showState(const Control& c) {
    if (text() != c.caption())
        setText(c.caption());
    const Qt::CheckState state = c.value() == 0   ? Qt::Unchecked
                                 : c.value() == 2 ? Qt::PartiallyChecked
                                                  : Qt::Checked;
    if (checkState() != state)
        setCheckState(state);
}

template <> void BoundWidget<QCheckBox>::setUp() {
    // clicked() comes from the player only; the box then shows what the console made of it.
    connect(this, &QCheckBox::clicked, this, [this](bool ticked) {
        binding_.run([ticked](Control& c) { c.toggleCheck(ticked); });
        refresh();
    });
}

// Drop-down list.

template <> void BoundWidget<QComboBox>::showState(const Control& c) {
    showEntries(c.items());
    const int i = c.listIndex();
    setCurrentIndex(i >= 0 && i < count() ? i : -1);
}

template <> void BoundWidget<QComboBox>::setUp() {
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(this, &QComboBox::activated, this, [this](int i) {
        if (!updating_)
            binding_.run([i](Control& c) { c.chooseListIndex(i); });
    });
}

// Frame.

template <> void BoundWidget<QGroupBox>::showState(const Control& c) {
    if (title() != c.caption())
        setTitle(c.caption());
    const QColor back = SystemColors::toQColor(c.backColor(), QApplication::palette());
    const bool filled = back.isValid() && !c.isTransparent();
    QPalette pal;
    if (filled)
        pal.setColor(QPalette::Window, back);
    setPalette(pal);
    setAutoFillBackground(filled);
}

// Text box.

template <> bool BoundWidget<QLineEdit>::event(QEvent* e) {
    const QEvent::Type type = e->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                       type == QEvent::MouseButtonDblClick;
    const bool left = mouse && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton;
    // A click is a left press and a left release inside the box; the second press of a double
    // click is not a click of its own.
    const bool click = type == QEvent::MouseButtonRelease && pressed_ && left &&
                       rect().contains(static_cast<QMouseEvent*>(e)->position().toPoint());
    if (type == QEvent::MouseButtonPress && left)
        pressed_ = true;
    else if (type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick)
        pressed_ = false;

    // The control hears of each action after the box has handled it.
    const bool handled = QLineEdit::event(e);
    if (click) {
        binding_.run([](Control& c) { c.click(); });
    } else if (type == QEvent::MouseButtonDblClick && left) {
        // The double click selected a word; whatever its handler did (a dialog the player may
        // have cancelled), the next key must not type over that word unseen.
        const QPointer<QLineEdit> self(this);
        binding_.run([](Control& c) { c.dblClick(); });
        if (self)
            self->deselect();
    } else if (type == QEvent::FocusIn) {
        binding_.run([](Control& c) { c.gotFocus(); });
    } else if (type == QEvent::FocusOut) {
        binding_.run([](Control& c) { c.lostFocus(); });
    }
    return handled;
}

template <> void BoundWidget<QLineEdit>::showState(const Control& c) {
    if (isReadOnly() != c.isReadOnly())
        setReadOnly(c.isReadOnly());
    if (text() != c.text()) {
        const int cursor = cursorPosition();
        setText(c.text());
        setCursorPosition(std::min(cursor, static_cast<int>(c.text().size())));
    }
    QPalette pal = QApplication::palette();
    const QColor back = SystemColors::toQColor(c.backColor(), pal);
    const QColor fore = SystemColors::toQColor(c.foreColor(), pal);
    if (back.isValid())
        pal.setColor(QPalette::Base, back);
    if (fore.isValid())
        pal.setColor(QPalette::Text, fore);
    if (pal != palette())
        setPalette(pal);
}

template <> void BoundWidget<QLineEdit>::setUp() {
    // textEdited() comes from the player only, never from setText().
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& t) { binding_.run([&t](Control& c) { c.editText(t); }); });
}

// List box.

template <> void BoundWidget<QListWidget>::showState(const Control& c) {
    showEntries(c.items());
    const int i = c.listIndex();
    if (i >= 0 && i < count()) {
        if (currentRow() != i) {
            setCurrentRow(i);
            scrollToItem(item(i), QAbstractItemView::PositionAtTop);
        }
    } else if (currentRow() != -1 || !selectedItems().isEmpty()) {
        setCurrentRow(-1);
        clearSelection();
    }
}

template <> void BoundWidget<QListWidget>::setUp() {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!updating_ && row >= 0)
            binding_.run([row](Control& c) { c.chooseListIndex(row); });
    });
}

// Option button.

template <> void BoundWidget<QRadioButton>::showState(const Control& c) {
    if (text() != c.caption())
        setText(c.caption());
    const bool chosen = c.value() == 1;
    if (isChecked() != chosen)
        setChecked(chosen);
}

template <> void BoundWidget<QRadioButton>::setUp() {
    setAutoExclusive(false);
    connect(this, &QRadioButton::clicked, this, [this] {
        binding_.run([](Control& c) { c.selectOption(); });
        refresh();
    });
}

// Scroll bar (vertical, as QScrollBar is made).

template <> void BoundWidget<QScrollBar>::showState(const Control& c) {
    showRange(c);
    setValue(c.value());
}

template <> void BoundWidget<QScrollBar>::setUp() {
    // The up arrow raises the value.
    setInvertedAppearance(true);
    setInvertedControls(true);
    reportScrolls();
}

// Slider.

template <> void BoundWidget<QSlider>::showState(const Control& c) {
    showRange(c);
    setTickInterval(std::max(1, (maximum() - minimum()) / 10));
    setValue(c.value());
}

template <> void BoundWidget<QSlider>::setUp() {
    setOrientation(Qt::Horizontal);
    setTickPosition(QSlider::TicksBelow);
    reportScrolls();
}

template class BoundWidget<QCheckBox>;
template class BoundWidget<QComboBox>;
template class BoundWidget<QGroupBox>;
template class BoundWidget<QLineEdit>;
template class BoundWidget<QListWidget>;
template class BoundWidget<QRadioButton>;
template class BoundWidget<QScrollBar>;
template class BoundWidget<QSlider>;

} // namespace vorlo
