#include "WindowManager.h"

#include "Console.h"
#include "ConsoleForms.h"
#include "FormWindowBinding.h"
#include "GenericFormWindow.h"
#include "PanelState.h"
#include "ScreenMetrics.h"

#include <QDebug>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>
#include <exception>

namespace vorlo {

WindowManager::WindowManager(Console& console, QObject* parent)
    : QObject(parent), console_(console) {}

WindowManager::~WindowManager() {
    // The windows go before the console they draw.
    for (auto& w : windows_)
        delete w.data();
}

TwipsConverter WindowManager::converter() const {
    return TwipsConverter(console_.screen().twipsPerPixel());
}

void WindowManager::registerWindow(const QString& formName, Factory factory) {
    factories_.insert(formName, std::move(factory));
}

QWidget* WindowManager::window(const QString& formName) const {
    return windows_.value(formName).data();
}

void WindowManager::start() {
    if (started_)
        return;
    started_ = true;
    for (Form* f : console_.panel().forms()) {
        connect(f, &Form::changed, this, [this, f] { sync(*f); });
        connect(f, &Form::loadedChanged, this, [this, f](bool loaded) {
            if (loaded)
                sync(*f);
            else
                destroy(f->name());
        });
        sync(*f);
    }
}

void WindowManager::sync(Form& form) {
    QWidget* w = window(form.name());
    if (!w && (form.isLoaded() || form.isVisible()))
        w = create(form);
    if (!w)
        return;
    if (form.isVisible()) {
        if (!w->isVisible()) {
            if (std::isnan(form.left()) && std::isnan(form.top()) && !w->parentWidget())
                centreOnScreen(*w);
            w->show();
            w->raise();
            w->activateWindow();
        }
    } else if (w->isVisible()) {
        w->hide();
    }
}

QWidget* WindowManager::create(Form& form) {
    QWidget* w = nullptr;
    try {
        auto it = factories_.find(form.name());
        w = it != factories_.end() ? (*it)(console_, form) : new GenericFormWindow(console_, form);
    } catch (const std::exception& e) {
        qWarning() << "vorlo2000: window" << form.name() << "could not be made:" << e.what();
        w = new GenericFormWindow(console_, form);
    }
    windows_.insert(form.name(), w);
    // Caption, icon, position and the close box follow the console window.
    auto* binding = w->findChild<FormWindowBinding*>(QString(), Qt::FindDirectChildrenOnly);
    if (!binding)
        binding = new FormWindowBinding(form, *w, converter(), false);
    w->adjustSize();
    binding->refresh();
    // The main window's size is the console's to set (its layouts do).
    if (form.name() != QLatin1String(forms::Main))
        binding->reportSize();
    emit windowCreated(form.name(), w);
    return w;
}

void WindowManager::destroy(const QString& formName) {
    QPointer<QWidget> w = windows_.take(formName);
    if (!w)
        return;
    w->hide();
    // Later: the window may be inside one of its own event handlers.
    w->deleteLater();
}

void WindowManager::centreOnScreen(QWidget& w) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect avail = screen->availableGeometry();
    const QSize size = w.frameGeometry().size().expandedTo(w.size());
    w.move(avail.center() - QPoint(size.width() / 2, size.height() / 2));
}

} // namespace vorlo
