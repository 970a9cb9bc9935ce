// "Publicera" over real sockets; a missing address and a server gone are told while the race goes on.
#include "DeskFixture.h"
#include "EventLoopWait.h"

#include "Settings.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <netinet/in.h>
#include <sys/socket.h>

using namespace Qt::StringLiterals;

namespace {

// The body of results.json at the page's address, or empty when nothing answers.
QByteArray resultsAt(const QString& url) {
    QNetworkAccessManager net;
    net.setProxy(QNetworkProxy::NoProxy);
    QNetworkReply* reply = net.get(QNetworkRequest(QUrl(url).resolved(QUrl(u"results.json"_s))));
    waitFor([&] { return reply->isFinished(); });
    return reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
}

int listeningDescriptor(int port) {
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
    void publishOn(const QString& port, const QString& address = u"127.0.0.1"_s) {
        race_data::saveProfileStrings(race_data::settingsPath(dir.path()), u"Brisrundan"_s,
                                      {{u"Port"_s, port}, {u"Lyssna"_s, address}});
    }
};

TEST_F(LivePublishingTest, PhonesReadTheResultsAsTheyAreRegisteredAndAServerGoneIsTold) {
    frmMain& d = startedRace();
    publishOn(u"0"_s);
    d.lblPublicera_Click();
    ASSERT_TRUE(d.isPublishing());
    const QString url = d.lblAdress->caption();
    const std::vector published{QJsonObject{{u"event"_s, u"published"_s}, {u"url"_s, url}}};
    EXPECT_EQ(events(u"published"_s), published);

    queue(d, 0);
    d.lstMg->setListIndex(0); // a finish by click
    EXPECT_EQ(QJsonDocument::fromJson(resultsAt(url))[u"rader"_s][0][u"Plac."_s].toString(), u"1"_s);

    d.lblPublicera_Click();
    EXPECT_EQ(resultsAt(url), QByteArray()) << "nobody answers any more";

    // TEST-NET-1: an address this machine lacks.
    publishOn(u"0"_s, u"192.0.2.1"_s);
    d.lblPublicera_Click();
    EXPECT_TRUE(
        messageTexts().value(0).contains(u"Nätverksadressen 192.0.2.1 finns inte på den här datorn."_s));

    publishOn(u"0"_s);
    d.lblPublicera_Click();
    ASSERT_TRUE(d.isPublishing());
    const int listening = listeningDescriptor(QUrl(d.lblAdress->caption()).port());
    // The kernel takes the socket out of listening, as when its network goes away under it.
    ASSERT_EQ(shutdown(listening, SHUT_RD), 0);
    ASSERT_TRUE(waitFor([&] { return !d.isPublishing(); }));
    waitFor([] { return false; }, 300);
    EXPECT_TRUE(d.lblFel->isVisibleTo(&d) && d.lblFel->caption().contains(u"har stängts eller försvunnit"_s));
    EXPECT_EQ(events(u"unpublished"_s).size(), 2u);
}
