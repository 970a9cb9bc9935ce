// The published results over real TCP on 127.0.0.1: three routes, nothing of the disk, and the limits
// that keep clients from holding the desk.
#include "ResultServer.h"

#include "EventLoopWait.h"

#include <QTcpSocket>
#include <array>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>

using namespace publish;

namespace {

class ResultServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        server = std::make_unique<ResultServer>(limits);
        results::ResultExport list;
        list.heading = "Höstrundan";
        list.rows = {
            {"Tävling"}, {}, {"Anna , S1", "10:00:00", "11:00:00", "1:00:00", "1,000", "1:00:00", "1", "1"}};
        list.written = 37807.5;
        server->setSnapshot(makeSnapshot(list, 7));
        ASSERT_EQ(server->start(QHostAddress::LocalHost, 0), QString());
    }
    // All the server answers to the raw request within 3 s.
    QByteArray exchange(const QByteArray& request) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, server->port());
        if (!waitFor([&] { return s.state() == QAbstractSocket::ConnectedState; })) return {};
        s.write(request);
        QByteArray reply;
        waitFor(
            [&] {
                reply += s.readAll();
                const qsizetype head = reply.indexOf("\r\n\r\n");
                if (head < 0) return false;
                const qsizetype at = reply.indexOf("Content-Length: ");
                const qsizetype length =
                    at < 0 ? 0 : reply.mid(at + 16, reply.indexOf("\r\n", at) - at - 16).toLongLong();
                return reply.size() >= head + 4 + length || request.startsWith("HEAD");
            },
            3000);
        return reply;
    }
    static QByteArray get(const char* method, const char* path) {
        return QByteArray(method) + ' ' + path + " HTTP/1.1\r\nHost: localhost\r\n\r\n";
    }

    ServerLimits limits{20, 4096, 300};
    std::unique_ptr<ResultServer> server;
};

} // namespace

TEST_F(ResultServerTest, ReadsOnlyTheThreeRoutes) {
    const std::array<const char*, 4> cases[] = {
        {"GET", "/", "200", "Höstrundan"},
        {"GET", "/", "200", "Uppdaterad kl 12:00:00"},
        {"GET", "/results.json", "200", "\"version\":7"},
        {"GET", "/results.csv", "200", "Anna;S1"},
        {"HEAD", "/results.json", "200", "Content-Length"},
        {"POST", "/results.json", "405", "Bara läsning"},
        {"DELETE", "/", "405", ""},
        {"GET", "/Vindo.ini", "404", ""},
        {"GET", "/../Vindo.ini", "404", ""},
        {"GET", "/%2e%2e/Vindo.ini", "404", ""},
        {"GET", "/..%2fH%C3%B6st.dat", "404", ""},
    };
    for (const auto& [method, path, status, contains] : cases) {
        const QByteArray reply = exchange(get(method, path));
        EXPECT_TRUE(reply.startsWith(QByteArray("HTTP/1.1 ") + status) && reply.contains(contains))
            << method << ' ' << path << ": " << reply.left(40).toStdString();
    }
    EXPECT_FALSE(exchange(get("HEAD", "/")).contains("<html")) << "HEAD sends no body";
}

TEST_F(ResultServerTest, APortInUseIsToldInSwedish) {
    ResultServer second;
    EXPECT_EQ(second.start(QHostAddress::LocalHost, server->port()),
              QStringLiteral("Port %1 används redan av ett annat program.").arg(server->port()));
}

TEST_F(ResultServerTest, AnOversizedOrSilentClientIsCutOff) {
    QTcpSocket big, silent;
    for (QTcpSocket* s : {&big, &silent}) {
        s->connectToHost(QHostAddress::LocalHost, server->port());
        ASSERT_TRUE(waitFor([&] { return s->state() == QAbstractSocket::ConnectedState; }));
    }
    big.write("GET / HTTP/1.1\r\nX-Fill: " + QByteArray(8000, 'x'));
    EXPECT_TRUE(waitFor([&] { return big.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_TRUE(waitFor([&] { return silent.state() == QAbstractSocket::UnconnectedState; }, 3000))
        << "closed after the idle time";
    EXPECT_TRUE(waitFor([&] { return server->openConnections() == 0; }));
}

class DeskLimits : public ResultServerTest {
protected:
    DeskLimits() {
        limits = {};
        // Two descriptors per phone in this one process.
        rlimit files{};
        getrlimit(RLIMIT_NOFILE, &files);
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_NOFILE, &files);
    }
};

TEST_F(DeskLimits, ThreeHundredAtOnceAreServedOrRefusedPromptly) {
    std::vector<QTcpSocket> clients(300);
    for (QTcpSocket& c : clients)
        c.connectToHost(QHostAddress::LocalHost, server->port());
    const auto refused = [&] {
        return std::count_if(clients.begin(), clients.end(), [](const QTcpSocket& c) {
            return c.state() == QAbstractSocket::UnconnectedState;
        });
    };
    EXPECT_TRUE(waitFor([&] { return server->openConnections() == 256 && refused() == 44; }, 2500))
        << server->openConnections() << " held, " << refused() << " refused";
    int answered = 0;
    for (QTcpSocket& c : clients)
        if (c.state() == QAbstractSocket::ConnectedState) c.write(get("GET", "/results.json"));
    waitFor([&] {
        for (QTcpSocket& c : clients)
            if (c.canReadLine() && c.readLine().startsWith("HTTP/1.1 200")) ++answered;
        return answered == 256;
    });
    EXPECT_EQ(answered, 256) << "every connection held open is served";
    clients.clear();
    EXPECT_TRUE(waitFor([&] { return server->openConnections() == 0; }));
    EXPECT_TRUE(exchange(get("GET", "/results.json")).startsWith("HTTP/1.1 200"));
}
