#pragma once
// The result server on a thread of its own, so that a page is answered at once even while the desk is
// busy writing a finish to the disk. The desk hands over each new snapshot; the server thread only reads.
#include "ResultServer.h"

#include <QThread>

namespace publish {

class LiveServer : public QObject {
    Q_OBJECT
public:
    explicit LiveServer(ServerLimits limits = {});
    ~LiveServer() override; // stops the server and its thread
    LiveServer(const LiveServer&) = delete;
    LiveServer& operator=(const LiveServer&) = delete;

    // As ResultServer::start, run on the server's thread.
    QString start(const QHostAddress& address, quint16 port);
    quint16 port() const { return port_; }
    void setSnapshot(std::shared_ptr<const ResultSnapshot> snapshot);

signals:
    // The server has stopped listening on its own, with the reason in Swedish. Sent once, on the
    // thread that made this object, so the desk hears it between two of its own commands.
    void stopped(const QString& reason);

private:
    QThread thread_;
    ResultServer* server_; // lives on thread_, deleted there
    quint16 port_ = 0;
};

} // namespace publish
