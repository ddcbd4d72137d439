#include "FormWindowBinding.h"

#include "ConsoleForms.h"
#include "Form.h"

#include <QCloseEvent>
#include <QDebug>
#include <QFileInfo>
#include <QIcon>
#include <QLayout>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <exception>

namespace vorlo {

FormWindowBinding::FormWindowBinding(Form& form, QWidget& window, TwipsConverter converter,
                                     bool sizeFromForm)
    : QObject(&window), form_(&form), window_(window), converter_(converter),
      sizeFromForm_(sizeFromForm) {
    window.setObjectName(form.name());
    window.installEventFilter(this);
    connect(&form, &Form::changed, this, &FormWindowBinding::refresh);
    // Asked for again while it is shown: back from the task bar, in front, with the focus.
    connect(&form, &Form::raiseRequested, this, [this] {
        if (window_.isMinimized())
            window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
        if (!window_.isVisible())
            return;
        window_.raise();
        window_.activateWindow();
    });
    refresh();
}

void FormWindowBinding::reportSize() {
    if (!form_)
        return;
    const QSize s = window_.size();
    if (std::isnan(form_->width()))
        form_->setWidth(converter_.toTwips(s.width()));
    if (std::isnan(form_->height()))
        form_->setHeight(converter_.toTwips(s.height()));
}

void FormWindowBinding::refresh() {
    if (!form_)
        return;
    const Form& f = *form_;
    applying_ = true;
    if (!f.caption().isEmpty() && window_.windowTitle() != f.caption())
        window_.setWindowTitle(f.caption());
    if (f.picture() != iconFile_) {
        iconFile_ = f.picture();
        if (QFileInfo(iconFile_).isFile())
            window_.setWindowIcon(QIcon(iconFile_));
    }
    if (sizeFromForm_) {
        QSize s = window_.size();
        if (!std::isnan(f.width()))
            s.setWidth(converter_.toPixels(f.width()));
        if (!std::isnan(f.height()))
            s.setHeight(converter_.toPixels(f.height()));
        // The window's size is the least it takes: where its texts need more room in our
        // fonts (wrapped lines included), it grows rather than clip them.
        if (const QLayout* l = window_.layout()) {
            s = s.expandedTo(l->totalMinimumSize());
            if (l->hasHeightForWidth())
                s.setHeight(std::max(s.height(), l->totalHeightForWidth(s.width())));
        }
        if (s != window_.size() && s.width() > 0 && s.height() > 0)
            window_.resize(s);
    }
    if (!std::isnan(f.left()) || !std::isnan(f.top())) {
        QPoint p = window_.pos();
        if (!std::isnan(f.left()))
            p.setX(converter_.toPixels(f.left()));
        if (!std::isnan(f.top()))
            p.setY(converter_.toPixels(f.top()));
        if (p != window_.pos())
            window_.move(p);
    }
    applying_ = false;
}

bool FormWindowBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || !form_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Close:
        // The console closes its windows itself, by hiding them.
        event->ignore();
        try {
            form_->requestClose();
        } catch (const std::exception& e) {
            qWarning() << "vorlo2000: closing" << form_->name() << "failed:" << e.what();
        }
        return true;
    case QEvent::Move:
        if (!applying_ && window_.isVisible()) {
            const QPoint p = window_.pos();
            form_->setLeft(converter_.toTwips(p.x()));
            form_->setTop(converter_.toTwips(p.y()));
        }
        break;
    case QEvent::WindowStateChange:
        // The console's layouts cannot resize a minimised window; tell them.
        setWindowMinimized(*form_, window_.isMinimized());
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vorlo
