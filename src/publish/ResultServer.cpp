#include "ResultServer.h"

#include "GuardedTcpServer.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>

namespace publish {

namespace {

using Status = QHttpServerResponder::StatusCode;

struct Resource {
    QByteArray body;
    QByteArray type;
};

std::optional<Resource> resourceAt(const QString& path, const ResultSnapshot& s) {
    if (path == u"/" || path == u"/index.html") return Resource{s.page, "text/html; charset=utf-8"};
    if (path == u"/results.json") return Resource{s.json, "application/json"};
    if (path == u"/results.csv") return Resource{s.csv, "text/csv; charset=utf-8"};
    return std::nullopt;
}

void answer(QHttpServerResponder& responder, Status status, const Resource& r, bool withBody) {
    responder.writeStatusLine(status);
    responder.writeHeader("Content-Type", r.type);
    responder.writeHeader("Content-Length", QByteArray::number(r.body.size()));
    responder.writeHeader("Cache-Control", "no-store");
    responder.writeHeader("X-Content-Type-Options", "nosniff");
    responder.writeBody(withBody ? r.body : QByteArray());
}

QString startFailure(const QTcpServer& tcp, const QHostAddress& address, quint16 port) {
    switch (tcp.serverError()) {
    case QAbstractSocket::AddressInUseError:
        return QStringLiteral("Port %1 används redan av ett annat program.").arg(port);
    case QAbstractSocket::SocketAccessError:
        return QStringLiteral("Port %1 får inte användas (behörighet saknas).").arg(port);
    case QAbstractSocket::SocketAddressNotAvailableError:
        return QStringLiteral("Nätverksadressen %1 finns inte på den här datorn.").arg(address.toString());
    default:
        return QStringLiteral("Servern kunde inte starta: %1").arg(tcp.errorString());
    }
}

QString acceptFailure(QAbstractSocket::SocketError error) {
    if (error == QAbstractSocket::SocketResourceError)
        return QStringLiteral("Datorn har inga lediga resurser för fler nätverksanslutningar.");
    return QStringLiteral("Nätverksanslutningen som sidan lyssnade på har stängts eller försvunnit.");
}

} // namespace

ResultServer::ResultServer(ServerLimits limits, QObject* parent)
    : QAbstractHttpServer(parent), limits_(limits) {}

ResultServer::~ResultServer() = default;

QString ResultServer::start(const QHostAddress& address, quint16 port) {
    auto* tcp = new GuardedTcpServer(limits_, this);
    // A burst of phones as large as the limit waits in the kernel for the server to let it in or refuse
    // it, instead of being dropped there and trying again a second or more later.
    tcp->setListenBacklogSize(limits_.maxConnections);
    if (!tcp->listen(address, port)) {
        const QString failure = startFailure(*tcp, address, port);
        delete tcp;
        return failure;
    }
    tcp_ = tcp;
    bind(tcp);
    connect(tcp, &QTcpServer::acceptError, this, [this, tcp](QAbstractSocket::SocketError error) {
        // A phone that gave up before it was let in leaves the others unaffected.
        if (error == QAbstractSocket::NetworkError) {
            tcp->resumeAccepting();
            return;
        }
        tcp->close();
        emit stopped(acceptFailure(error));
    });
    return {};
}

quint16 ResultServer::port() const {
    return tcp_ ? tcp_->serverPort() : 0;
}

int ResultServer::openConnections() const {
    return tcp_ ? static_cast<const GuardedTcpServer*>(tcp_)->openConnections() : 0;
}

void ResultServer::setSnapshot(std::shared_ptr<const ResultSnapshot> snapshot) {
    const QMutexLocker lock(&snapshotMutex_);
    snapshot_ = std::move(snapshot);
}

std::shared_ptr<const ResultSnapshot> ResultServer::snapshot() const {
    const QMutexLocker lock(&snapshotMutex_);
    return snapshot_;
}

bool ResultServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) {
    GuardedTcpServer::answered(socket);
    QHttpServerResponder responder = makeResponder(request, socket);
    const std::shared_ptr<const ResultSnapshot> current = snapshot();
    const std::optional<Resource> found = current ? resourceAt(request.url().path(), *current) : std::nullopt;
    const auto method = request.method();
    const bool reading =
        method == QHttpServerRequest::Method::Get || method == QHttpServerRequest::Method::Head;
    if (!found)
        answer(responder, Status::NotFound, {"Finns inte.\n", "text/plain; charset=utf-8"}, true);
    else if (!reading)
        answer(responder, Status::MethodNotAllowed, {"Bara läsning.\n", "text/plain; charset=utf-8"}, true);
    else
        answer(responder, Status::Ok, *found, method == QHttpServerRequest::Method::Get);
    return true;
}

void ResultServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) {
    QHttpServerResponder responder = makeResponder(request, socket);
    answer(responder, Status::NotFound, {"Finns inte.\n", "text/plain; charset=utf-8"}, true);
}

} // namespace publish
