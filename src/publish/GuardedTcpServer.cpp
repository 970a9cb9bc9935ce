#include "GuardedTcpServer.h"

#include <QTcpSocket>
#include <QTimer>

namespace publish {

namespace {
const char* const IdleTimerName = "idle";
}

GuardedTcpServer::GuardedTcpServer(const ServerLimits& limits, QObject* parent)
    : QTcpServer(parent), limits_(limits) {}

void GuardedTcpServer::answered(QTcpSocket* socket) {
    if (auto* idle = socket->findChild<QTimer*>(QString::fromLatin1(IdleTimerName))) idle->start();
}

void GuardedTcpServer::incomingConnection(qintptr descriptor) {
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    if (open_ >= limits_.maxConnections) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++open_;
    connect(socket, &QObject::destroyed, this, [this] { --open_; });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    // Connected before the HTTP server's own reader, so an oversized request never reaches it.
    const qint64 most = limits_.maxRequestBytes;
    connect(socket, &QTcpSocket::readyRead, socket, [socket, most] {
        if (socket->bytesAvailable() > most) socket->abort();
    });
    auto* idle = new QTimer(socket);
    idle->setObjectName(QString::fromLatin1(IdleTimerName));
    idle->setSingleShot(true);
    idle->setInterval(limits_.idleMs);
    connect(idle, &QTimer::timeout, socket, &QTcpSocket::abort);
    idle->start();
    addPendingConnection(socket);
}

} // namespace publish
