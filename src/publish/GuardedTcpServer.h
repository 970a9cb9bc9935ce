#pragma once
// A TCP server that refuses connections beyond a limit and cuts off a client that sends more than a
// request may hold or stays silent for too long.
#include "ResultServer.h"

#include <QTcpServer>

namespace publish {

class GuardedTcpServer : public QTcpServer {
    Q_OBJECT
public:
    GuardedTcpServer(const ServerLimits& limits, QObject* parent);
    int openConnections() const { return open_; }
    // A request was answered on the socket: its silence is counted afresh.
    static void answered(QTcpSocket* socket);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    ServerLimits limits_;
    int open_ = 0;
};

} // namespace publish
