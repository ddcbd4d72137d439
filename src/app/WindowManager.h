#pragma once

#include "TwipsConverter.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace vorlo {

class Console;
class Form;
class FormWindowBinding;

// Gives each console window its Qt window: made when the console loads or shows it, shown and
// hidden with it, destroyed when the console unloads it. Windows are made by the factory
// registered under the console window's name, or drawn generically when none is.
class WindowManager : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<QWidget*(Console&, Form&)>;

    explicit WindowManager(Console& console, QObject* parent = nullptr);
    ~WindowManager() override;

    void registerWindow(const QString& formName, Factory factory);
    bool hasFactory(const QString& formName) const { return factories_.contains(formName); }
    // Follows every console window from now on (shows those already shown).
    void start();

    // The Qt window of a console window, or null while it has none.
    QWidget* window(const QString& formName) const;
    template <typename T> T* window(const QString& formName) const {
        return qobject_cast<T*>(window(formName));
    }
    TwipsConverter converter() const;

signals:
    void windowCreated(const QString& formName, QWidget* window);

private:
    void sync(Form& form);
    QWidget* create(Form& form);
    void destroy(const QString& formName);
    void centreOnScreen(QWidget& window);

    Console& console_;
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<QWidget>> windows_;
    bool started_ = false;
};

} // namespace vorlo
