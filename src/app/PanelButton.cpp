#include "PanelButton.h"

#include "Control.h"
#include "FontShrink.h"
#include "SystemColors.h"

#include <QApplication>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace vorlo {
namespace {

// The smallest caption a shrunk button shows, as a share of its own font and in points.
constexpr double kSmallestShare = 0.6;
constexpr double kSmallestPoints = 5.0;

} // namespace

PanelButton::PanelButton(Control& control, std::optional<TwipsConverter> converter, QWidget* parent)
    : QPushButton(parent), binding_(control, *this, converter), placed_(converter.has_value()) {
    setAutoDefault(false);
    connect(&control, &Control::changed, this, &PanelButton::refresh);
    connect(this, &QPushButton::clicked, this,
            [this] { binding_.run([](Control& c) { c.click(); }); });
    refresh();
}

void PanelButton::refresh() {
    Control* c = binding_.control();
    if (!c)
        return;
    if (text() != c->caption())
        setText(c->caption());
    QPalette pal;
    const QColor face = SystemColors::toQColor(c->backColor(), QApplication::palette());
    const QColor fore = SystemColors::toQColor(c->foreColor(), QApplication::palette());
    if (face.isValid()) {
        pal.setColor(QPalette::Button, face);
        // A face of the console's own colours gets a caption that reads on it.
        if (!fore.isValid() && face != QApplication::palette().color(QPalette::Button))
            pal.setColor(QPalette::ButtonText,
                         face.lightness() > 140 ? QColor(Qt::black) : QColor(Qt::white));
    }
    if (fore.isValid())
        pal.setColor(QPalette::ButtonText, fore);
    setPalette(pal);
    binding_.apply();
    fitCaption();
}

void PanelButton::fitCaption() {
    if (!placed_ || text().trimmed().isEmpty())
        return;
    const Control* c = binding_.control();
    // The button's own font: the control's (just set), else the one it inherits.
    QFont f = c->hasFont() || !parentWidget() ? font() : parentWidget()->font();
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    QString caption = text();
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    auto fits = [&](const QFont& font) {
        const QFontMetrics m(font);
        return m.horizontalAdvance(caption) <= room.width() && m.height() <= height();
    };
    f = FontShrink::fitted(
        f, FontShrink::smallestFor(f.pointSizeF(), kSmallestShare, kSmallestPoints), fits);
    if (f != font())
        setFont(f);
}

} // namespace vorlo
