#include "QtDialogs.h"

#include "ProblemsDialog.h"

#include <QApplication>
#include <QDebug>
#include <QFileDialog>
#include <QMessageBox>

namespace vorlo {
namespace {

QMessageBox::Icon qtIcon(Dialogs::Icon icon) {
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QWidget* QtDialogs::owner() {
    QWidget* w = QApplication::activeWindow();
    return w && w->isVisible() ? w : nullptr;
}

void QtDialogs::message(const QString& text, const QString& title, Icon icon) {
    if (unattended_) {
        qWarning().noquote() << title + QStringLiteral(": ") + text;
        return;
    }
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Ok, owner());
    box.exec();
}

bool QtDialogs::messageOkCancel(const QString& text, const QString& title, Icon icon) {
    if (unattended_) {
        qWarning().noquote() << title + QStringLiteral(": ") + text;
        return false;
    }
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::Ok | QMessageBox::Cancel, owner());
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

bool QtDialogs::askYesNo(const QString& text, const QString& title) {
    if (unattended_) {
        qWarning().noquote() << title + QStringLiteral(": ") + text + QStringLiteral(" (No)");
        return false;
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No, owner());
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

SetupPage QtDialogs::showProblems(const QList<StartupProblem>& problems, const QString& title) {
    if (unattended_) {
        for (const StartupProblem& p : problems)
            qWarning().noquote() << p.subject + QStringLiteral(": ") + p.text;
        return SetupPage::None;
    }
    ProblemsDialog dialog(problems, title, owner());
    dialog.exec();
    return dialog.chosenPage();
}

QString QtDialogs::nameFilter(const QString& filter) {
    const QString f = filter.trimmed();
    const int bar = f.indexOf(QLatin1Char('|'));
    if (bar >= 0) {
        const QString description = f.left(bar).trimmed();
        const QString pattern = f.mid(bar + 1).trimmed();
        if (description.contains(QLatin1Char('(')))
            return description;
        return QStringLiteral("%1 (%2)").arg(description, pattern);
    }
    if (f.isEmpty())
        return QStringLiteral("(*)");
    return QStringLiteral("(%1)").arg(f);
}

std::optional<QString> QtDialogs::openFileName(const QString& title, const QString& filter) {
    if (unattended_)
        return std::nullopt;
    const QString name =
        QFileDialog::getOpenFileName(owner(), title, QString(), nameFilter(filter));
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtDialogs::saveFileName(const QString& title, const QString& filter,
                                               const QString& defaultSuffix) {
    if (unattended_)
        return std::nullopt;
    QFileDialog dialog(owner(), title, QString(), nameFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    QString suffix = defaultSuffix;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace vorlo
