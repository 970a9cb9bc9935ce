#pragma once
// The desk's read-only web server on the club's network: GET and HEAD of the result page, results.json
// and results.csv, served from the latest snapshot; every other path 404, every other method 405, no
// file of the disk ever. Runs in its thread's event loop without ever waiting for a client: sockets are
// written without blocking, a client that sends too much or nothing at all is cut off, and connections
// beyond the limit are refused at once.
#include "ResultSnapshot.h"

#include <QAbstractHttpServer>
#include <QHostAddress>
#include <QMutex>
#include <memory>

class QTcpServer;

namespace publish {

struct ServerLimits {
    int maxConnections = 256;
    qint64 maxRequestBytes = 16 * 1024; // what a client may send before its request is complete
    int idleMs = 10000;                 // a connection with no request for this long is closed
};

class ResultServer : public QAbstractHttpServer {
    Q_OBJECT
public:
    explicit ResultServer(ServerLimits limits = {}, QObject* parent = nullptr);
    ~ResultServer() override;

    // Listens on the address and port; the reason in Swedish when it cannot, else empty.
    QString start(const QHostAddress& address, quint16 port);
    quint16 port() const;
    int openConnections() const;

    // May be called from any thread: the server answers from the newest snapshot handed over.
    void setSnapshot(std::shared_ptr<const ResultSnapshot> snapshot);

signals:
    // The listening socket failed: the server has stopped and says why, in Swedish.
    void stopped(const QString& reason);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    ServerLimits limits_;
    QTcpServer* tcp_ = nullptr;
    std::shared_ptr<const ResultSnapshot> snapshot() const;

    mutable QMutex snapshotMutex_;
    std::shared_ptr<const ResultSnapshot> snapshot_;
};

} // namespace publish
