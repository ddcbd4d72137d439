#include "RaiseRequests.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace vorlo {
namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr char kKnock[] = "raise\n";

} // namespace

RaiseRequests::RaiseRequests(const QString& appDir, QObject* parent)
    : QObject(parent), name_(socketName(appDir)) {}

QString RaiseRequests::socketName(const QString& appDir) {
    // One name per folder, the same whichever way the folder is spelt.
    const QString folder = QDir(appDir).canonicalPath();
    const QByteArray hash =
        QCryptographicHash::hash(folder.toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    return QStringLiteral("vorlo2000-") + QString::fromLatin1(hash);
}

bool RaiseRequests::listen(std::function<void()> onRaise) {
    // Only the console holding the folder listens, so a socket of that name was left by one
    // that ended unexpectedly.
    QLocalServer::removeServer(name_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this, onRaise] {
        while (QLocalSocket* knock = server_->nextPendingConnection()) {
            connect(knock, &QLocalSocket::disconnected, knock, &QObject::deleteLater);
            auto read = [knock, onRaise] {
                if (knock->readAll().contains('\n') && onRaise)
                    onRaise();
            };
            connect(knock, &QLocalSocket::readyRead, knock, read);
            if (knock->bytesAvailable() > 0)
                read();
        }
    });
    return server_->listen(name_);
}

bool RaiseRequests::knock() const {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(kConnectTimeoutMs))
        return false;
    socket.write(kKnock);
    const bool sent = socket.waitForBytesWritten(kConnectTimeoutMs);
    socket.disconnectFromServer();
    return sent;
}

} // namespace vorlo
