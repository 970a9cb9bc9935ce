#include "LiveServer.h"

#include <QMetaObject>

namespace publish {

LiveServer::LiveServer(ServerLimits limits) : server_(new ResultServer(limits)) {
    thread_.setObjectName(QStringLiteral("Publicera"));
    server_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, server_, &QObject::deleteLater);
    QObject::connect(server_, &ResultServer::stopped, this, &LiveServer::stopped, Qt::QueuedConnection);
    thread_.start();
}

LiveServer::~LiveServer() {
    thread_.quit();
    thread_.wait();
}

QString LiveServer::start(const QHostAddress& address, quint16 port) {
    QString failure;
    QMetaObject::invokeMethod(
        server_,
        [&] {
            failure = server_->start(address, port);
            port_ = server_->port();
        },
        Qt::BlockingQueuedConnection);
    return failure;
}

void LiveServer::setSnapshot(std::shared_ptr<const ResultSnapshot> snapshot) {
    server_->setSnapshot(std::move(snapshot));
}

} // namespace publish
