#pragma once

#include "ControlBinding.h"

#include <QLabel>

namespace vorlo {

// A console label or picture: caption or picture file, colours, border and transparency; its
// clicks and double clicks go to the control.
class PanelLabel : public QLabel {
    Q_OBJECT
public:
    enum class Role { Text, Picture };

    PanelLabel(Control& control, Role role, std::optional<TwipsConverter> converter,
               QWidget* parent = nullptr);

    Control* control() const { return binding_.control(); }
    Role role() const { return role_; }
    // The background drawn, invalid when the label lets its parent show through.
    QColor backgroundColor() const;
    QColor textColor() const;
    // The picture file shown (empty: none, or it could not be read).
    const QString& pictureFile() const { return shownPicture_; }
    // Draw the console's border on this label (off for labels placed by Qt layouts).
    void setShowsBorder(bool on);
    // The font the caption is drawn in: the label's own, or, on a label the console places,
    // a smaller one when the caption would not fit the label's size in it.
    QFont shownFont() const;
    // A one-line caption wider than the label is shortened with an ellipsis where mode says,
    // and its length no longer widens the label's window (Qt::ElideNone: shown whole).
    void setElideMode(Qt::TextElideMode mode);
    // The caption as drawn.
    QString shownText() const;

public slots:
    void refresh();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QRect textRect(const QFont& font) const;
    int textFlags() const;
    bool fits(const QFont& font) const;

    void refreshPicture();
    void refreshColours();

    ControlBinding binding_;
    Role role_;
    bool showsBorder_;
    // Placed by the console: its caption shrinks to fit the size the console gives it.
    bool fitsCaption_;
    Qt::TextElideMode elide_ = Qt::ElideNone;
    bool pressed_ = false;
    QString shownPicture_;
    QSize shownSize_;
    QSize naturalSize_;
};

} // namespace vorlo
