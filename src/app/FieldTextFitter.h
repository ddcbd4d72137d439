#pragma once

#include <QFont>
#include <QObject>

class QLineEdit;

namespace vorlo {

// Keeps a text box's whole text in sight: a text too wide for the box in the box's own font is
// shown in a narrow face and, when that is still too wide, in a smaller size, down to a least
// readable size; past that the box scrolls its text as usual. The box keeps its size: only the
// text's font follows.
class FieldTextFitter : public QObject {
    Q_OBJECT
public:
    // Fits field's text from now on; the fitter belongs to the field. narrow: the narrow face
    // from the start, for a column of boxes that should look alike.
    explicit FieldTextFitter(QLineEdit& field, bool narrow = false);

    // The width the field has for its text, in pixels.
    static int textRoom(const QLineEdit& field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit();

    QLineEdit& field_;
    QFont base_;
    QFont narrow_;
    bool fitting_ = false;
};

} // namespace vorlo
