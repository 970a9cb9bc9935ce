// Finishes by sail number on a race of 1000 boats while the results are published: without readers, and
// with 200 phones polling results.json once a second from a thread of their own. Reported per run: the
// registration time (the benchmark's own), the readers' p99 response time and the p99 delay from a
// registration to the first reader that sees it.
#include "DeskBenchFixture.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMutex>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>

namespace {

double p99(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, v.size() * 99 / 100)];
}

// What the readers saw, shared with the desk's thread.
struct Seen {
    QMutex mutex;
    std::vector<double> responseMs;
    std::map<quint64, qint64> firstSeenAt; // version -> ms on the shared clock
};

class Readers : public QThread {
public:
    Readers(int count, quint16 port, Seen& seen, const QElapsedTimer& clock)
        : count_(count), port_(port), seen_(seen), clock_(clock) {}

protected:
    void run() override {
        std::vector<std::unique_ptr<QTcpSocket>> sockets;
        for (int i = 0; i < count_; ++i) {
            auto socket = std::make_unique<QTcpSocket>();
            QTcpSocket* s = socket.get();
            auto* timer = new QTimer(s);
            auto sentAt = std::make_shared<qint64>(0);
            auto reply = std::make_shared<QByteArray>();
            QObject::connect(timer, &QTimer::timeout, s, [this, s, sentAt] {
                if (s->state() != QAbstractSocket::ConnectedState)
                    s->connectToHost(QHostAddress::LocalHost, port_);
                *sentAt = clock_.elapsed();
                s->write("GET /results.json HTTP/1.1\r\nHost: x\r\n\r\n");
            });
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, sentAt, reply] {
                *reply += s->readAll();
                const qsizetype end = reply->lastIndexOf('}');
                if (end < 0 || !reply->contains("\"rader\"")) return;
                const qsizetype at = reply->indexOf("\"version\":");
                const quint64 version = reply->mid(at + 10, end - at - 10).toULongLong();
                const qint64 now = clock_.elapsed();
                QMutexLocker lock(&seen_.mutex);
                seen_.responseMs.push_back(double(now - *sentAt));
                seen_.firstSeenAt.emplace(version, now);
                reply->clear();
            });
            s->connectToHost(QHostAddress::LocalHost, port_);
            timer->start(1000);
            QTimer::singleShot(i * 1000 / std::max(count_, 1), timer, [timer] { timer->start(1000); });
            sockets.push_back(std::move(socket));
        }
        exec();
    }

private:
    int count_;
    quint16 port_;
    Seen& seen_;
    const QElapsedTimer& clock_;
};

void publishedFinishes(benchmark::State& state) {
    const int readers = int(state.range(0));
    BenchDesk bench;
    bench.writeRace(1000, 0);
    race_data::saveProfileStrings(race_data::settingsPath(bench.folder()), QStringLiteral("Brisrundan"),
                                  {{QStringLiteral("Port"), QStringLiteral("0")},
                                   {QStringLiteral("Lyssna"), QStringLiteral("127.0.0.1")}});
    frmMain& d = bench.load();
    d.lblPanSM_Click();
    d.lblPublicera_Click();
    const quint16 port = quint16(d.lblAdress->caption().section(':', 2).section('/', 0, 0).toUInt());
    QElapsedTimer clock;
    clock.start();
    Seen seen;
    Readers thread(readers, port, seen, clock);
    if (readers > 0) thread.start();
    std::map<quint64, qint64> registeredAt;
    int next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The desk's loop turns between finishes, as it does between a person's keys.
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 2)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        bench.clearLog();
        d.txtSegelNr->setText(QString::number(next++));
        state.ResumeTiming();
        d.typeChar(d.txtSegelNr, 13);
        state.PauseTiming();
        registeredAt[d.publishedVersion()] = clock.elapsed();
        state.ResumeTiming();
    }
    // Let the readers catch up with the last finishes before counting.
    QElapsedTimer tail;
    tail.start();
    while (tail.elapsed() < 2500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (readers > 0) {
        thread.quit();
        thread.wait();
    }
    std::vector<double> delays;
    for (const auto& [version, at] : registeredAt) {
        const auto seenAt = seen.firstSeenAt.lower_bound(version);
        if (seenAt != seen.firstSeenAt.end()) delays.push_back(double(seenAt->second - at));
    }
    state.counters["response_p99_ms"] = p99(seen.responseMs);
    state.counters["update_delay_p99_ms"] = p99(delays);
    state.counters["responses"] = double(seen.responseMs.size());
}
BENCHMARK(publishedFinishes)
    ->Arg(0)
    ->Arg(200)
    ->Iterations(1000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
