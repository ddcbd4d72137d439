#include "ProblemsDialog.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vorlo {
namespace {

// Wide enough for a reason of a line or two, narrow enough to read at a glance.
constexpr int kTextWidth = 460;

QLabel* wrapped(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(kTextWidth);
    return label;
}

} // namespace

QString ProblemsDialog::buttonCaption(SetupPage page) {
    switch (page) {
    case SetupPage::MidiDevices:
        return QStringLiteral("&MIDI devices...");
    case SetupPage::Sound:
        return QStringLiteral("&Sound...");
    case SetupPage::OnScreenKeyboard:
        return QStringLiteral("&On-screen keyboard");
    case SetupPage::None:
        break;
    }
    return {};
}

ProblemsDialog::ProblemsDialog(const QList<StartupProblem>& problems, const QString& title,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ProblemsDialog"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(6);
    const QIcon warning = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    int row = 0;
    for (int i = 0; i < problems.size(); ++i) {
        const StartupProblem& p = problems[i];
        if (i > 0) {
            auto* line = new QFrame(this);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            grid->addWidget(line, row++, 0, 1, 3);
        }
        auto* icon = new QLabel(this);
        icon->setPixmap(warning.pixmap(32, 32));
        grid->addWidget(icon, row, 0, 2, 1, Qt::AlignTop);
        auto* text = wrapped(QStringLiteral("<b>%1</b><br>%2")
                                 .arg(p.subject.toHtmlEscaped(), p.text.toHtmlEscaped()),
                             this);
        text->setObjectName(QStringLiteral("problemText%1").arg(i));
        grid->addWidget(text, row, 1);
        if (p.page != SetupPage::None) {
            auto* open = new QPushButton(buttonCaption(p.page), this);
            open->setObjectName(QStringLiteral("problemButton%1").arg(i));
            const SetupPage page = p.page;
            connect(open, &QPushButton::clicked, this, [this, page] {
                chosen_ = page;
                accept();
            });
            grid->addWidget(open, row, 2, Qt::AlignTop);
        }
        ++row;
        if (!p.advice.isEmpty()) {
            auto* advice = wrapped(p.advice, this);
            advice->setObjectName(QStringLiteral("problemAdvice%1").arg(i));
            grid->addWidget(advice, row, 1);
        }
        ++row;
    }
    layout->addLayout(grid);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
}

} // namespace vorlo
