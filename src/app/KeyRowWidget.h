#pragma once

#include "Division.h"

#include <QWidget>

namespace vorlo {

class OnScreenKeyboard;

// One row of the on-screen keyboard (the Great, the Swell or the Pedal) drawn as a keyboard
// from its lowest C, the keys the console holds lit. A mouse press plays the key under it;
// letting go, or leaving the key, ends it; sliding onto another key plays that one.
class KeyRowWidget : public QWidget {
    Q_OBJECT
public:
    // The width of a natural key and the heights of a manual's and the Pedal's row, in pixels.
    static constexpr int kWhiteWidth = 16;
    static constexpr int kManualHeight = 72;
    static constexpr int kPedalHeight = 48;

    KeyRowWidget(OnScreenKeyboard& keyboard, DivisionId row, QWidget* parent = nullptr);

    DivisionId row() const { return row_; }
    // Where a key is drawn (a sharp over its naturals), and the key at a point (-1: none).
    QRect keyRect(int index) const;
    int keyAt(const QPoint& point) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Moves the mouse's hold to another key (-1: to none).
    void holdByMouse(int index);

    OnScreenKeyboard& keyboard_;
    DivisionId row_;
    int mouseKey_ = -1;
};

} // namespace vorlo
