// "Publicera" on the desk over real sockets: the page's address and QR code, results.json following a
// registration, the server gone when stopped, and a port in use, an address this machine lacks and a
// server that stops on its own, each told calmly while the race goes on.
#include "DeskFixture.h"
#include "EventLoopWait.h"

#include "Settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <netinet/in.h>
#include <sys/socket.h>

namespace {

// The body of GET path, or empty when nothing answers.
QByteArray fetch(quint16 port, const char* path) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    waitFor([&] {
        return s.state() == QAbstractSocket::ConnectedState || s.state() == QAbstractSocket::UnconnectedState;
    });
    if (s.state() != QAbstractSocket::ConnectedState) return {};
    s.write(QByteArray("GET ") + path + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    QByteArray reply;
    waitFor([&] {
        reply += s.readAll();
        return s.state() == QAbstractSocket::UnconnectedState ||
               (reply.contains("\r\n\r\n") && reply.endsWith("}"));
    });
    return reply.mid(reply.indexOf("\r\n\r\n") + 4);
}

quint16 portOf(const QString& url) {
    return quint16(url.section(QLatin1Char(':'), 2).section(QLatin1Char('/'), 0, 0).toUInt());
}

// The descriptor this process listens on at that port, found among its open files as any code could.
int listeningDescriptor(quint16 port) {
    for (int fd = 3; fd < 1024; ++fd) {
        int listening = 0;
        socklen_t size = sizeof listening;
        sockaddr_in address{};
        socklen_t length = sizeof address;
        if (getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &size) == 0 && listening &&
            getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0 &&
            address.sin_family == AF_INET && ntohs(address.sin_port) == port)
            return fd;
    }
    return -1;
}

} // namespace

class LivePublishingTest : public DeskTest {
protected:
    void publishOn(const QString& port) {
        race_data::saveProfileStrings(
            race_data::settingsPath(dir.path()), QStringLiteral("Brisrundan"),
            {{QStringLiteral("Port"), port}, {QStringLiteral("Lyssna"), QStringLiteral("127.0.0.1")}});
    }
};

TEST_F(LivePublishingTest, PhonesReadTheResultsAsTheyAreRegistered) {
    frmMain& d = startedRace();
    publishOn(QStringLiteral("0"));
    d.lblPublicera_Click();
    ASSERT_TRUE(d.isPublishing());
    const QString url = d.lblAdress->caption();
    EXPECT_TRUE(url.startsWith(QStringLiteral("http://127.0.0.1:"))) << url.toStdString();
    EXPECT_FALSE(d.imgKolumn->image().isNull());
    EXPECT_EQ(d.lblPublicera->caption(), QStringLiteral("Sluta pu&blicera"));
    ASSERT_EQ(events(QStringLiteral("published")).size(), 1u);
    EXPECT_EQ(events(QStringLiteral("published")).front().value(QStringLiteral("url")).toString(), url);

    const QJsonObject before = QJsonDocument::fromJson(fetch(portOf(url), "/results.json")).object();
    ASSERT_TRUE(before.contains(QStringLiteral("version")));
    queue(d, 0);
    d.lstMg->setListIndex(0); // a finish by click
    const QJsonObject after = QJsonDocument::fromJson(fetch(portOf(url), "/results.json")).object();
    EXPECT_GT(after.value(QStringLiteral("version")).toInt(),
              before.value(QStringLiteral("version")).toInt());
    EXPECT_EQ(after.value(QStringLiteral("rader"))
                  .toArray()
                  .first()
                  .toObject()
                  .value(QStringLiteral("Plac."))
                  .toString(),
              QStringLiteral("1"));

    d.lblPublicera_Click();
    EXPECT_FALSE(d.isPublishing());
    EXPECT_EQ(events(QStringLiteral("unpublished")).size(), 1u);
    EXPECT_EQ(fetch(portOf(url), "/results.json"), QByteArray()) << "nobody answers any more";
}

TEST_F(LivePublishingTest, APortInUseOrAnAddressNotOnThisMachineIsToldAndTheRaceGoesOn) {
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::LocalHost, 0));
    const struct {
        QString port, address, cause;
    } cases[] = {
        {QString::number(taken.serverPort()), QStringLiteral("127.0.0.1"), QStringLiteral("används redan")},
        // TEST-NET-1: an address no machine of the club's network has.
        {QStringLiteral("0"), QStringLiteral("192.0.2.1"),
         QStringLiteral("Nätverksadressen 192.0.2.1 finns inte på den här datorn.")},
    };
    frmMain& d = startedRace();
    for (const auto& c : cases) {
        race_data::saveProfileStrings(
            race_data::settingsPath(dir.path()), QStringLiteral("Brisrundan"),
            {{QStringLiteral("Port"), c.port}, {QStringLiteral("Lyssna"), c.address}});
        d.lblPublicera_Click();
        EXPECT_FALSE(d.isPublishing());
        EXPECT_TRUE(messageTexts().last().contains(c.cause)) << messageTexts().last().toStdString();
    }
    EXPECT_TRUE(d.txtSegelNr->isVisibleTo(&d));
}

TEST_F(LivePublishingTest, AServerThatStopsOnItsOwnIsToldOnceAndTheRaceGoesOn) {
    frmMain& d = startedRace();
    publishOn(QStringLiteral("0"));
    d.lblPublicera_Click();
    ASSERT_TRUE(d.isPublishing());
    const int listening = listeningDescriptor(portOf(d.lblAdress->caption()));
    ASSERT_GE(listening, 0);
    // The kernel takes the socket out of listening, as when its network goes away under it.
    ASSERT_EQ(shutdown(listening, SHUT_RD), 0);
    ASSERT_TRUE(waitFor([&] { return !d.isPublishing(); }));
    waitFor([] { return false; }, 300);
    // At the finish line it stands in the banner: a message box would hold up the next boat.
    EXPECT_TRUE(d.lblFel->isVisibleTo(&d));
    EXPECT_TRUE(d.lblFel->caption().contains(QStringLiteral("har stängts eller försvunnit")))
        << d.lblFel->caption().toStdString();
    EXPECT_FALSE(d.lblAdress->isVisibleTo(&d));
    EXPECT_EQ(d.lblPublicera->caption(), QStringLiteral("Pu&blicera"));
    EXPECT_EQ(events(QStringLiteral("unpublished")).size(), 1u);
    queue(d, 0);
    d.lstMg->setListIndex(0);
    EXPECT_GT(record(QStringLiteral("Höst.dat"), 1).MalTid, 0.0) << "the race goes on";
}
