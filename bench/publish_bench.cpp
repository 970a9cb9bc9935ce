// Finishes by sail number on a race of 1000 boats while the results are published: without readers, and
// with 200 phones polling results.json once a second from a thread of their own. Reported per run: the
// median registration time, the readers' p99 response time and the p99 delay from a registration to
// the first reader that sees it.
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
#include <limits>
#include <map>
#include <optional>

namespace {

// The value at that fraction of the sorted figures: 0.5 for the median, 0.99 for p99.
double quantile(std::vector<double> v, double fraction) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, std::size_t(double(v.size()) * fraction))];
}

// The body of the first whole response in the buffer, taken off it; nothing while it is still coming
// in, which for a list of a thousand boats takes several reads.
std::optional<QByteArray> takeBody(QByteArray& buffer) {
    const qsizetype head = buffer.indexOf("\r\n\r\n");
    const qsizetype field = buffer.indexOf("Content-Length: ");
    if (head < 0 || field < 0 || field > head) return std::nullopt;
    const qsizetype length = buffer.mid(field + 16, buffer.indexOf("\r\n", field) - field - 16).toLongLong();
    if (buffer.size() < head + 4 + length) return std::nullopt;
    QByteArray body = buffer.mid(head + 4, length);
    buffer.remove(0, head + 4 + length);
    return body;
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
            const auto poll = [this, s, sentAt] {
                if (s->state() == QAbstractSocket::UnconnectedState)
                    s->connectToHost(QHostAddress::LocalHost, port_);
                *sentAt = clock_.elapsed();
                s->write("GET /results.json HTTP/1.1\r\nHost: x\r\n\r\n");
            };
            QObject::connect(timer, &QTimer::timeout, s, poll);
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, sentAt, reply] {
                *reply += s->readAll();
                while (const std::optional<QByteArray> body = takeBody(*reply)) {
                    // The keys are written in order, so the version closes the object.
                    const quint64 version =
                        body->mid(body->lastIndexOf("\"version\":") + 10).chopped(1).toULongLong();
                    const qint64 now = clock_.elapsed();
                    QMutexLocker lock(&seen_.mutex);
                    seen_.responseMs.push_back(double(now - *sentAt));
                    seen_.firstSeenAt.emplace(version, now);
                }
            });
            s->connectToHost(QHostAddress::LocalHost, port_);
            // Phones poll on clocks of their own; a coarse timer would line all 200 up on the same
            // half second and turn the polling into bursts.
            timer->setTimerType(Qt::PreciseTimer);
            // The first poll at the reader's own offset, not a second later: the first finishes are
            // watched as closely as the rest.
            QTimer::singleShot(i * 1000 / std::max(count_, 1), timer, [timer, poll] {
                poll();
                timer->start(1000);
            });
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
    std::vector<double> registrationMs;
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
        const qint64 typedAt = clock.nsecsElapsed();
        state.ResumeTiming();
        d.typeChar(d.txtSegelNr, 13);
        state.PauseTiming();
        registrationMs.push_back(double(clock.nsecsElapsed() - typedAt) / 1e6);
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
    // A registration is seen when a reader sees its version or a newer one, whichever comes first: a
    // large response may arrive after a newer one on another connection.
    std::map<quint64, qint64> seenFrom;
    qint64 soonest = std::numeric_limits<qint64>::max();
    for (auto v = seen.firstSeenAt.rbegin(); v != seen.firstSeenAt.rend(); ++v)
        seenFrom[v->first] = soonest = std::min(soonest, v->second);
    std::vector<double> delays;
    for (const auto& [version, at] : registeredAt) {
        const auto seenAt = seenFrom.lower_bound(version);
        if (seenAt != seenFrom.end()) delays.push_back(double(seenAt->second - at));
    }
    state.counters["registration_median_ms"] = quantile(registrationMs, 0.5);
    state.counters["response_p99_ms"] = quantile(seen.responseMs, 0.99);
    state.counters["update_delay_p99_ms"] = quantile(delays, 0.99);
    state.counters["responses"] = double(seen.responseMs.size());
}
BENCHMARK(publishedFinishes)
    ->Arg(0)
    ->Arg(200)
    ->Iterations(1000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
