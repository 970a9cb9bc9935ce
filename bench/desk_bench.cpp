// Start-up, opening, saving, the common start and finish registrations (by click and by sail number)
// on races of 1000 boats.
#include "DeskBenchFixture.h"
#include "SailNumber.h"
#include "frmResultat.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_StartupExample(benchmark::State& state) {
    BenchDesk bench;
    for (const char* name : {"Exempel.dat", "Exempel.cmt"})
        QFile::copy(QStringLiteral(BRISRUNDAN_ASSETS "/") + QString::fromLatin1(name),
                    bench.path(QString::fromLatin1(name)));
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.load().AntalDeltagare);
}
BENCHMARK(BM_StartupExample)->Unit(benchmark::kMillisecond);

void BM_Startup1000With127Finished(benchmark::State& state) {
    BenchDesk bench;
    bench.writeRace(1000, 127);
    for (auto _ : state)
        benchmark::DoNotOptimize(bench.load().lstMg->ListCount());
}
BENCHMARK(BM_Startup1000With127Finished)->Unit(benchmark::kMillisecond);

void BM_Open1000(benchmark::State& state) {
    BenchDesk bench;
    bench.writeRace(1000, 127);
    frmMain& d = bench.load();
    for (auto _ : state) {
        bench.scripted().dialogs.queueFile(bench.path(QStringLiteral("Stor.dat")));
        d.lblOpen_Click();
        bench.clearLog();
    }
}
BENCHMARK(BM_Open1000)->Unit(benchmark::kMillisecond);

void BM_SaveParticipant1001(benchmark::State& state) {
    BenchDesk bench;
    bench.writeRace(1000, 0);
    frmMain& d = bench.load();
    for (auto _ : state) {
        d.AddButton_Click();
        d.Namn->setText(QStringLiteral("Ny båt"));
        d.SegelId->setText(QStringLiteral("SWE 1001"));
        d.LysTal->setText(QStringLiteral("1,05"));
        d.OkButton_Click();
    }
}
BENCHMARK(BM_SaveParticipant1001)->Unit(benchmark::kMillisecond);

void BM_CommonStart1000(benchmark::State& state) {
    BenchDesk bench;
    bench.writeRace(1000, 0);
    frmMain& d = bench.load();
    bench.scripted().dialogs.queueAnswer(platform::Answer::Yes);
    for (auto _ : state) {
        state.PauseTiming();
        d.StartMsg->setVisible(false); // each round gives the first start, no question
        state.ResumeTiming();
        d.StartButton_Click();
    }
}
BENCHMARK(BM_CommonStart1000)->Unit(benchmark::kMillisecond);

// The registration of boat 1000 with 999 boats already in the queue. The settings file keeps the flags of
// the first 127 boats (the 254-character limit), so the others are queued by double-click.
void BM_FinishRegistration1000(benchmark::State& state) {
    BenchDesk bench;
    bench.writeRace(1000, 999);
    frmMain& d = bench.load();
    for (int p = 0; p < 1000; ++p) {
        d.lstPG->setListIndex(p);
        d.lstPG_DblClick();
    }
    const int last = d.lstMg->ListCount() - 1;
    const int position = d.lstMg->ItemData(last);
    const QString entry = d.lstMg->List(last);
    for (auto _ : state) {
        state.PauseTiming();
        while (d.BatarIMal.size() <= position)
            d.BatarIMal.append(QString());
        d.BatarIMal[position] = QString();
        d.lstMg->setList(last, entry);
        bench.clearLog();
        state.ResumeTiming();
        d.lstMg->setListIndex(last);
    }
    state.counters["queue"] = d.lstMg->ListCount();
}
BENCHMARK(BM_FinishRegistration1000)->Unit(benchmark::kMillisecond);

// Click and sail number side by side on a started race of 1000 boats none of which has finished: each
// round registers the next boat, so every round is a first registration. `queued` boats from the end
// of the list wait in the finish queue; the boats registered come from its start.
class FreshFinishes {
public:
    explicit FreshFinishes(int queued) {
        bench_.writeRace(1000, 0);
        frmMain& d = bench_.load();
        d.lblPanSM_Click();
        for (int p = 1000 - queued; p < 1000; ++p) {
            d.lstPG->setListIndex(p);
            d.lstPG_DblClick();
        }
    }
    frmMain& desk() { return *bench_.desk(); }
    void clearLog() { bench_.clearLog(); }
    // The boats marked "¤" in the queue: one per round when every round registered.
    int registered() {
        int marked = 0;
        for (int i = 0; i < desk().lstMg->ListCount(); ++i)
            marked += desk().lstMg->List(i).startsWith(QStringLiteral("¤")) ? 1 : 0;
        return marked;
    }

private:
    BenchDesk bench_;
};

constexpr int FreshRounds = 150;

void BM_ClickFinish1000(benchmark::State& state) {
    FreshFinishes race(1000);
    frmMain& d = race.desk();
    int next = 0;
    for (auto _ : state) {
        d.lstMg->setListIndex(next++);
        state.PauseTiming();
        race.clearLog();
        state.ResumeTiming();
    }
    state.counters["registered"] = race.registered();
}
BENCHMARK(BM_ClickFinish1000)->Iterations(FreshRounds)->Repetitions(5)->Unit(benchmark::kMillisecond);

// Enter in the sail number box, from the key to the registered finish; the boat is found among 1000.
void sailNumberFinishes(benchmark::State& state, int queued) {
    FreshFinishes race(queued);
    frmMain& d = race.desk();
    int next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        race.clearLog();
        d.txtSegelNr->setText(QString::number(next++)); // the boats are "SWE 0" to "SWE 999"
        state.ResumeTiming();
        d.typeChar(d.txtSegelNr, 13);
    }
    state.counters["registered"] = race.registered();
    state.counters["queue"] = d.lstMg->ListCount();
}

void BM_SailNumberFinish1000Queued(benchmark::State& state) {
    sailNumberFinishes(state, 1000);
}
BENCHMARK(BM_SailNumberFinish1000Queued)
    ->Iterations(FreshRounds)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);

// The boats typed are not queued yet: each joins the end of a queue of 800 and more first.
void BM_SailNumberFinish1000NotQueued(benchmark::State& state) {
    sailNumberFinishes(state, 800);
}
BENCHMARK(BM_SailNumberFinish1000NotQueued)
    ->Iterations(FreshRounds)
    ->Repetitions(5)
    ->Unit(benchmark::kMillisecond);

// The search alone: one typed number against the sail ids of 1000 boats.
void BM_FindSailNumber1000(benchmark::State& state) {
    BenchDesk bench;
    bench.writeRace(1000, 0);
    race::Race race;
    race.open(bench.path(QStringLiteral("Stor.dat")), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(race::findSailNumber(race, QStringLiteral("4 4 1")));
}
BENCHMARK(BM_FindSailNumber1000)->Unit(benchmark::kMicrosecond);

// The result list of 1000 finished boats: all queued, ranked by one more registration, then listed.
void BM_ResultList1000(benchmark::State& state) {
    BenchDesk bench;
    bench.writeRace(1000, 1000);
    frmMain& d = bench.load();
    for (int p = 0; p < 1000; ++p) {
        d.lstPG->setListIndex(p);
        d.lstPG_DblClick();
    }
    bench.scripted().dialogs.queueAnswer(platform::Answer::Yes);
    d.lstMg->setListIndex(0); // a second click answered Yes rebuilds the ranking of all 1000
    for (auto _ : state)
        d.lblfrmRes_Click();
    state.counters["rows"] = d.resultat().lvw->RowCount();
}
BENCHMARK(BM_ResultList1000)->Unit(benchmark::kMillisecond);

// The disk flush of a registration alone: the settings file replaced and both race files synced.
void BM_RegistrationFlush(benchmark::State& state) {
    BenchDesk bench;
    bench.writeRace(1000, 999);
    race_data::RaceFiles files;
    files.open(bench.path(QStringLiteral("Stor.dat")));
    QStringList flags(1000, QStringLiteral("x"));
    for (auto _ : state) {
        files.writeRecord(1000, files.readRecord(1000));
        files.appendComment(QStringLiteral("Vind 5 m/s"));
        race_data::SparaInstallningar(race_data::settingsPath(bench.folder()),
                                      bench.path(QStringLiteral("Stor.dat")), flags);
        files.sync();
    }
}
BENCHMARK(BM_RegistrationFlush)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
