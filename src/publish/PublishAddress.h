#pragma once
// Where the desk publishes: the port and interface from the settings, and the address the phones use.
#include <QHostAddress>
#include <QString>
#include <optional>

namespace publish {

struct ListenOn {
    QHostAddress address; // Any for every interface
    quint16 port = 8080;
};

// The settings' "Port" (a number, 0 for any free port; empty: 8080) and "Lyssna" ("alla" or empty for
// every interface, else one address). No value when either cannot be read; reason then says why.
std::optional<ListenOn> listenOn(const QString& port, const QString& interface, QString& reason);

// The page's address for the phones: the listening address itself, or for every interface the first
// address of a running network interface that is not the machine's own loopback (127.0.0.1 when none).
QString pageUrl(const QHostAddress& listening, quint16 port);

} // namespace publish
