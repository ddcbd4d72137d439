#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace vorlo {

// Lets a console started a second time from the same program folder bring the one already
// running there to the front: the running console listens on a local socket named after its
// folder, and the second start knocks on it before it closes.
class RaiseRequests : public QObject {
    Q_OBJECT
public:
    explicit RaiseRequests(const QString& appDir, QObject* parent = nullptr);

    // In the console that holds the folder: onRaise runs at every knock.
    bool listen(std::function<void()> onRaise);
    // In a console that found the folder held: knocks on the running one's socket. False when
    // nobody listens there.
    bool knock() const;

    static QString socketName(const QString& appDir);

private:
    const QString name_;
    QLocalServer* server_ = nullptr;
};

} // namespace vorlo
