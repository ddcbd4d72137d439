#pragma once

#include "Form.h"
#include "TwipsConverter.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace vorlo {

// Ties a top-level window to its console window: caption, icon, position (and size, for windows
// that take it from the console); the player's moves are written back, and the close box asks
// the console, which may refuse.
class FormWindowBinding : public QObject {
    Q_OBJECT
public:
    FormWindowBinding(Form& form, QWidget& window, TwipsConverter converter, bool sizeFromForm);

    Form* form() const { return form_.data(); }
    // Writes the window's size into the console window when the console gave it none, so that
    // the console can centre it.
    void reportSize();

public slots:
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<Form> form_;
    QWidget& window_;
    TwipsConverter converter_;
    bool sizeFromForm_;
    bool applying_ = false;
    QString iconFile_;
};

} // namespace vorlo
