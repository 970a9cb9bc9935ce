// "Publicera" on the desk over real sockets: the page's address and QR code, results.json following a
// registration, a port in use told calmly with the race going on, and the server gone when stopped.
#include "DeskFixture.h"
#include "EventLoopWait.h"

#include "Settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

// The body of GET path, or empty when nothing answers.
QByteArray fetch(quint16 port, const char* path) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    if (!waitFor([&] { return s.state() == QAbstractSocket::ConnectedState; })) return {};
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

TEST_F(LivePublishingTest, APortInUseIsToldAndTheRaceGoesOn) {
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::LocalHost, 0));
    frmMain& d = startedRace();
    publishOn(QString::number(taken.serverPort()));
    d.lblPublicera_Click();
    EXPECT_FALSE(d.isPublishing());
    EXPECT_TRUE(messageTexts().last().contains(QStringLiteral("används redan")))
        << messageTexts().last().toStdString();
    EXPECT_TRUE(d.txtSegelNr->isVisibleTo(&d));
}
