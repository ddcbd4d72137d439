#pragma once

#include "ControlBinding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <concepts>

namespace vorlo {

// A Qt widget that draws one console control: it shows the control's state each time the
// control changes and passes the player's actions to the control's event methods. Naming,
// placing, enabling and the font are shared by every kind (ControlBinding); what a kind shows
// and which actions it reports are its own (BoundWidget.cpp).
//
// A class template cannot carry Q_OBJECT: find these widgets with dynamic_cast, not
// qobject_cast.
template <typename W> class BoundWidget : public W {
public:
    // converter empty: a Qt layout places the widget.
    BoundWidget(Control& control, std::optional<TwipsConverter> converter,
                QWidget* parent = nullptr);

    Control* control() const { return binding_.control(); }
    // Shows the control's present state.
    void refresh();
    // The entries the list shows.
    QStringList
    entries() const requires std::derived_from<W, QComboBox> || std::derived_from<W, QListWidget>;

protected:
    bool event(QEvent* e) override;

private:
    // The kind's own settings, and the connections that report the player's actions.
    void setUp();
    // The kind's own part of refresh: what it shows of the control.
    void showState(const Control& c);

    // Lists: the control's entries, appended when they only grew, rebuilt otherwise.
    void showEntries(const QStringList& wanted) requires std::derived_from<W, QComboBox> ||
        std::derived_from<W, QListWidget>;
    // Sliders and scroll bars: range and steps from the control; the player's moves scroll it.
    void showRange(const Control& c) requires std::derived_from<W, QAbstractSlider>;
    void reportScrolls() requires std::derived_from<W, QAbstractSlider>;

    ControlBinding binding_;
    // Set while refresh changes the widget: Qt reports some of those changes as if the player
    // had made them.
    bool updating_ = false;
    // Text box: a left press inside it, which a release inside it makes a click.
    bool pressed_ = false;
};

// A check box: ticked when the control's value is 1, grey at 2; the player's ticks go to the
// control.
using BoundCheckBox = BoundWidget<QCheckBox>;
// A drop-down list: entries and selection from the control; picking an entry chooses it on the
// control.
using BoundComboBox = BoundWidget<QComboBox>;
// A frame: its caption is the group title; controls of the frame are its children.
using BoundGroupBox = BoundWidget<QGroupBox>;
// A text box: its text, font and colours from the control; typing edits the control's text,
// and the box reports clicks, double clicks and getting and losing the focus.
using BoundLineEdit = BoundWidget<QLineEdit>;
// A list box: entries and selection from the control; the chosen entry is scrolled to the top
// of the list. Selecting an entry chooses it on the control.
using BoundListWidget = BoundWidget<QListWidget>;
// An option button: chosen when the control's value is 1. The console clears the other
// buttons of the array, so Qt's own exclusivity is off.
using BoundRadioButton = BoundWidget<QRadioButton>;
// A vertical scroll bar whose up arrow raises the value; moving it scrolls the control.
using BoundScrollBar = BoundWidget<QScrollBar>;
// A horizontal slider: range and position from the control; moving it scrolls the control.
using BoundSlider = BoundWidget<QSlider>;

// Each kind's own part, in BoundWidget.cpp (a frame has no set-up of its own).
template <> void BoundWidget<QCheckBox>::setUp();
template <> void BoundWidget<QCheckBox>::showState(const Control& c);
template <> void BoundWidget<QComboBox>::setUp();
template <> void BoundWidget<QComboBox>::showState(const Control& c);
template <> void BoundWidget<QGroupBox>::showState(const Control& c);
template <> void BoundWidget<QLineEdit>::setUp();
template <> void BoundWidget<QLineEdit>::showState(const Control& c);
template <> bool BoundWidget<QLineEdit>::event(QEvent* e);
template <> void BoundWidget<QListWidget>::setUp();
template <> void BoundWidget<QListWidget>::showState(const Control& c);
template <> void BoundWidget<QRadioButton>::setUp();
template <> void BoundWidget<QRadioButton>::showState(const Control& c);
template <> void BoundWidget<QScrollBar>::setUp();
template <> void BoundWidget<QScrollBar>::showState(const Control& c);
template <> void BoundWidget<QSlider>::setUp();
template <> void BoundWidget<QSlider>::showState(const Control& c);

extern template class BoundWidget<QCheckBox>;
extern template class BoundWidget<QComboBox>;
extern template class BoundWidget<QGroupBox>;
extern template class BoundWidget<QLineEdit>;
extern template class BoundWidget<QListWidget>;
extern template class BoundWidget<QRadioButton>;
extern template class BoundWidget<QScrollBar>;
extern template class BoundWidget<QSlider>;

} // namespace vorlo
