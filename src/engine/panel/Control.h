#pragma once

#include "Colors.h"
#include "ControlKind.h"
#include "FontStyle.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <cmath>
#include <functional>

namespace vorlo {

// The visible state of one control of a console window (a label, button, picture, slider,
// list, check box, option button, menu item...) and the hooks its events run. The engine writes
// the state; the panel layer renders it and reports the player's actions through the event
// methods. Setting a property to the value it holds changes nothing and signals nothing.
class Control : public QObject {
    Q_OBJECT
public:
    // index < 0: a single control; otherwise the element of a control array.
    Control(const QString& name, int index, QObject* parent = nullptr);
    Control(const QString& name, int index, ControlKind kind, QObject* parent = nullptr);

    const QString& name() const { return name_; }
    int index() const { return index_; }
    // What the control is on screen, as its window declares it.
    ControlKind kind() const { return kind_; }
    // "Name" or "Name(3)".
    QString key() const;

    const QString& caption() const { return caption_; }
    void setCaption(const QString& v);
    const QString& toolTip() const { return toolTip_; }
    void setToolTip(const QString& v);
    uint32_t backColor() const { return backColor_; }
    void setBackColor(uint32_t v);
    uint32_t foreColor() const { return foreColor_; }
    void setForeColor(uint32_t v);
    // Full path of the picture file shown (empty: none).
    const QString& picture() const { return picture_; }
    void setPicture(const QString& v);
    bool isVisible() const { return visible_; }
    void setVisible(bool v);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool v);
    // A text box whose text the player cannot change (it still reports clicks).
    bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool v);
    bool isTransparent() const { return transparent_; }
    void setTransparent(bool v);
    bool hasBorder() const { return border_; }
    void setBorder(bool v);
    // Where a label's text sits in its box.
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment v);
    // The frame that holds the control (its position is relative to the frame); null for a
    // control that lies on the window itself.
    Control* container() const { return container_; }
    void setContainer(Control* frame) { container_ = frame; }

    // Geometry in twips; NaN where the layout has not set it.
    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    void setLeft(double v);
    void setTop(double v);
    void setWidth(double v);
    void setHeight(double v);
    void setGeometry(double left, double top, double width, double height);
    bool hasGeometry() const { return !std::isnan(left_) && !std::isnan(top_); }

    bool hasFont() const { return hasFont_; }
    const FontStyle& font() const { return font_; }
    void setFont(const FontStyle& f);

    // Slider position, check box value (0/1), option button (1 chosen), list index (-1: none).
    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int smallChange() const { return smallChange_; }
    int largeChange() const { return largeChange_; }
    void setRange(int minimum, int maximum, int smallChange = 1, int largeChange = 5);
    // Sets a slider from the program: its handler does not run.
    void setValue(int v);

    // Menu check mark.
    bool isChecked() const { return checked_; }
    void setChecked(bool v);

    // List items.
    const QStringList& items() const { return items_; }
    void clearItems();
    void addItem(const QString& item);
    int listIndex() const { return value_; }
    // Selecting an entry from the program runs the list's click handler when the index changes.
    void setListIndex(int i);
    // Setting a check box from the program runs its click handler when the value changes.
    void setCheckValue(int v);
    // Choosing an option button (from the program or by the player) clears the other buttons
    // of its array and runs its click handler when it was not chosen already.
    void selectOption();

    // Text of a text box.
    const QString& text() const { return caption_; }

    // --- Events, reported by the panel layer (or by tests acting as the player) ---
    void click();
    void dblClick();
    // The player moved a slider: its value changes and the scroll handler runs.
    void scroll(int v);
    // The player picked a list entry: the index changes and the click handler runs.
    void chooseListIndex(int i);
    // The player ticked or cleared a check box.
    void toggleCheck(bool ticked);
    // The player edited a text box; a read-only one keeps its text.
    void editText(const QString& text);
    void gotFocus();
    void lostFocus();

    // Handlers the engine attaches.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onScroll;
    std::function<void()> onChange;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;

    // Set for a control whose command the player may bind to a keyboard's key: Learn binds the
    // next one, Forget removes the control's bindings (the app offers both on a right-click).
    std::function<void()> onLearn;
    std::function<void()> onForget;

    // Set by the form that owns an option-button array.
    std::function<void(Control*)> onOptionChosen;

signals:
    // Some visible property changed.
    void changed();

private:
    template <typename T> void assign(T& field, const T& v);

    QString name_;
    int index_;
    ControlKind kind_ = ControlKind::Label;
    Qt::Alignment alignment_ = Qt::AlignLeft | Qt::AlignTop;
    Control* container_ = nullptr;
    QString caption_;
    QString toolTip_;
    uint32_t backColor_ = color::None;
    uint32_t foreColor_ = color::None;
    QString picture_;
    bool visible_ = true;
    bool enabled_ = true;
    bool readOnly_ = false;
    bool transparent_ = false;
    bool border_ = true;
    double left_ = std::nan("");
    double top_ = std::nan("");
    double width_ = std::nan("");
    double height_ = std::nan("");
    bool hasFont_ = false;
    FontStyle font_;
    int value_ = 0;
    int minimum_ = 0;
    int maximum_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 5;
    bool checked_ = false;
    QStringList items_;
};

} // namespace vorlo
