#include "MainWindow.h"

#include "BoundMenuAction.h"
#include "BoundWidgetFactory.h"
#include "Console.h"
#include "DeviceStatusBar.h"
#include "Form.h"
#include "FormWindowBinding.h"
#include "KeyTranslator.h"
#include "MainWindowControls.h"
#include "ScreenMetrics.h"
#include "SendProgress.h"

#include <QDebug>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <cmath>
#include <exception>

namespace vorlo {
namespace {

// The standard panel at its design size, until the console's layout sizes the window.
constexpr double kDefaultWidth = 9680;
constexpr double kDefaultHeight = 6870;

QString controlKey(const QString& name, int index) {
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

bool isMenuItem(const Control& c) {
    return c.kind() == ControlKind::MenuItem || c.kind() == ControlKind::CheckMenuItem;
}

} // namespace

MainWindow::MainWindow(Console& console, Form& form, QWidget* parent)
    : QMainWindow(parent), console_(console), form_(form),
      converter_(console.screen().twipsPerPixel()) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("panel"));
    panel_->setAutoFillBackground(true);
    setCentralWidget(panel_);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    buildMenus();
    buildPanel();
    setStatusBar(new DeviceStatusBar(console.deviceLights(), console.sendProgress(), this));
    binding_ = new FormWindowBinding(form, *this, converter_, false);
    connect(&form, &Form::changed, this, &MainWindow::refreshSize);
    refreshSize();
}

QWidget* MainWindow::controlWidget(const QString& name, int index) const {
    return widgets_.value(controlKey(name, index));
}

void MainWindow::buildMenus() {
    QMenu* current = nullptr;
    const QList<Control*>& controls = form_.controls();
    for (qsizetype i = 0; i < controls.size(); ++i) {
        Control* c = controls[i];
        if (!isMenuItem(*c) && c->kind() != ControlKind::Menu)
            continue;
        if (c->kind() == ControlKind::Menu &&
            (i + 1 == controls.size() || !isMenuItem(*controls[i + 1]))) {
            // A top-level entry that acts by itself.
            auto* a = new BoundMenuAction(*c, false, menuBar());
            menuBar()->addAction(a);
            actions_.insert(c->name(), a);
            current = nullptr;
            continue;
        }
        if (c->kind() == ControlKind::Menu) {
            current = menuBar()->addMenu(c->caption());
            current->setObjectName(c->name());
            menus_.append(current);
            QMenu* menu = current;
            auto follow = [menu, c] {
                menu->setTitle(c->caption());
                menu->menuAction()->setVisible(c->isVisible());
                menu->setEnabled(c->isEnabled());
            };
            connect(c, &Control::changed, menu, follow);
            follow();
            continue;
        }
        if (!current)
            continue;
        auto* a = new BoundMenuAction(*c, c->kind() == ControlKind::CheckMenuItem, current);
        current->addAction(a);
        actions_.insert(c->name(), a);
    }
}

void MainWindow::buildPanel() {
    // Frames first: the controls they hold are their children.
    for (Control* c : form_.controls()) {
        if (c->kind() != ControlKind::Frame)
            continue;
        QWidget* w = BoundWidgetFactory::create(form_, *c, ControlKind::Frame, converter_, panel_);
        widgets_.insert(c->key(), w);
    }
    for (Control* c : form_.controls()) {
        const ControlKind kind = c->kind();
        if (kind == ControlKind::Menu || isMenuItem(*c) || kind == ControlKind::Frame)
            continue;
        QWidget* parent = panel_;
        if (const Control* frame = c->container(); frame && widgets_.contains(frame->key()))
            parent = widgets_.value(frame->key());
        QWidget* w = BoundWidgetFactory::create(form_, *c, kind, converter_, parent);
        if (!w)
            continue;
        w->installEventFilter(this);
        widgets_.insert(c->key(), w);
    }
    // The background picture lies under everything else.
    if (QWidget* background = widgets_.value(QString::fromLatin1(ctl::main::Sfondo.name)))
        background->lower();
}

void MainWindow::refreshSize() {
    const double w = std::isnan(form_.width()) ? kDefaultWidth : form_.width();
    const double h = std::isnan(form_.height()) ? kDefaultHeight : form_.height();
    const QSize size(std::max(1, converter_.toPixels(w)), std::max(1, converter_.toPixels(h)));
    if (panel_->size() != size || panel_->minimumSize() != size)
        panel_->setFixedSize(size);
}

void MainWindow::dispatchKey(const QKeyEvent& event) {
    const int key = KeyTranslator::virtualKey(event);
    const int character = KeyTranslator::characterCode(event);
    try {
        if (key != 0 && form_.onKeyDown)
            form_.onKeyDown(key);
        if (character >= 0 && form_.onKeyPress)
            form_.onKeyPress(character);
    } catch (const std::exception& e) {
        qWarning() << "vorlo2000: key handler failed:" << e.what();
    } catch (...) {
        qWarning() << "vorlo2000: key handler failed";
    }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    dispatchKey(*event);
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched != this) {
        auto* key = static_cast<QKeyEvent*>(event);
        dispatchKey(*key);
        // The focused button still gets the keys that work it and move the focus; the others
        // stop here, so they reach the console once.
        switch (key->key()) {
        case Qt::Key_Space:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vorlo
