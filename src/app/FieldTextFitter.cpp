#include "FieldTextFitter.h"

#include "FontMapper.h"
#include "FontShrink.h"

#include <QEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace vorlo {
namespace {

// Below this the text scrolls instead of shrinking further.
constexpr double kSmallestPoints = 6.5;
// QLineEdit's own blank on each side of its text, in pixels.
constexpr int kTextMargin = 2;

} // namespace

FieldTextFitter::FieldTextFitter(QLineEdit& field, bool narrow) : QObject(&field), field_(field) {
    // The console's narrow face for small texts.
    narrow_ = field.font();
    narrow_.setFamilies({FontMapper::family(QStringLiteral("Small Fonts"))});
    base_ = narrow ? narrow_ : field.font();
    field.installEventFilter(this);
    connect(&field, &QLineEdit::textChanged, this, &FieldTextFitter::fit);
    fit();
}

int FieldTextFitter::textRoom(const QLineEdit& field) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = field.rect();
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
    const QRect contents =
        field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * kTextMargin;
}

bool FieldTextFitter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &field_ && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

void FieldTextFitter::fit() {
    if (fitting_)
        return;
    fitting_ = true;
    const int room = textRoom(field_);
    const QString text = field_.text();
    auto fits = [&](const QFont& f) { return QFontMetrics(f).horizontalAdvance(text) <= room; };
    QFont f = base_;
    if (!fits(f))
        f = FontShrink::fitted(narrow_, kSmallestPoints, fits);
    if (field_.font() != f)
        field_.setFont(f);
    fitting_ = false;
}

} // namespace vorlo
