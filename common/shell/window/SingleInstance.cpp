#include "common/shell/window/SingleInstance.h"

#include <QCryptographicHash>
#include <QLocalSocket>
#include <QStandardPaths>

namespace shell {

namespace {
const QByteArray kActivate = "activate\n";
}

SingleInstance::SingleInstance(const QString& caption, QObject* parent)
    : QObject(parent), name_(SocketName(caption)) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("activate")) emit activationRequested();
                socket->disconnectFromServer();
            });
        }
    });
}

QString SingleInstance::SocketName(const QString& caption) {
    // Per user: the user's runtime folder and login name go into the key, so
    // two users on one machine each get their own instance.
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    const QString scope = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    const QByteArray hash = QCryptographicHash::hash((caption + '|' + user + '|' + scope).toUtf8(),
                                                     QCryptographicHash::Sha1)
                                .toHex()
                                .left(16);
    return QStringLiteral("gm-instance-") + QString::fromLatin1(hash);
}

bool SingleInstance::activateRunning(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(kActivate);
    socket.waitForBytesWritten(timeoutMs);
    socket.waitForDisconnected(timeoutMs);
    return true;
}

bool SingleInstance::listen() {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(name_)) return true;
    // A socket file left by a process that crashed: nobody answers on it.
    if (server_.serverError() == QAbstractSocket::AddressInUseError && !activateRunning(200)) {
        QLocalServer::removeServer(name_);
        return server_.listen(name_);
    }
    return false;
}

}  // namespace shell
