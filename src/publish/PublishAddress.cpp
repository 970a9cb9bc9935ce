#include "PublishAddress.h"

#include <QNetworkInterface>

namespace publish {

std::optional<ListenOn> listenOn(const QString& port, const QString& interface, QString& reason) {
    ListenOn on;
    if (!port.trimmed().isEmpty()) {
        bool number = false;
        const uint p = port.trimmed().toUInt(&number);
        if (!number || p > 65535) {
            reason = QStringLiteral("Porten \"%1\" i inställningarna är inget portnummer.").arg(port);
            return std::nullopt;
        }
        on.port = quint16(p);
    }
    const QString wanted = interface.trimmed();
    if (wanted.isEmpty() || wanted.compare(QStringLiteral("alla"), Qt::CaseInsensitive) == 0) {
        on.address = QHostAddress::Any;
    } else if (!on.address.setAddress(wanted)) {
        reason = QStringLiteral("\"%1\" i inställningarna är ingen nätverksadress.").arg(wanted);
        return std::nullopt;
    }
    return on;
}

QString pageUrl(const QHostAddress& listening, quint16 port) {
    QHostAddress shown = listening;
    if (listening == QHostAddress::Any || listening == QHostAddress::AnyIPv4) {
        shown = QHostAddress::LocalHost;
        for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
            if (!(i.flags() & QNetworkInterface::IsRunning) || (i.flags() & QNetworkInterface::IsLoopBack))
                continue;
            for (const QNetworkAddressEntry& e : i.addressEntries())
                if (e.ip().protocol() == QAbstractSocket::IPv4Protocol) {
                    shown = e.ip();
                    return QStringLiteral("http://%1:%2/").arg(shown.toString()).arg(port);
                }
        }
    }
    return QStringLiteral("http://%1:%2/").arg(shown.toString()).arg(port);
}

} // namespace publish
