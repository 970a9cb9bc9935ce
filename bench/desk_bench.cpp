// Start-up, opening, saving, the common start and finish registrations (by click and by sail number)
// on races of 1000 boats.
#include "DeskBenchFixture.h"
#include "SailNumber.h"
#include "frmResultat.h"

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

// The common start of 1,000, 10,000 and 50,000 boats in one run, so that the growth can be read off.
void BM_CommonStart(benchmark::State& state) {
    BenchDesk bench;
    bench.writeRace(int(state.range(0)), 0);
    frmMain& d = bench.load();
    for (auto _ : state) {
        state.PauseTiming();
        bench.scripted().dialogs.queueAnswer(platform::Answer::Yes); // a new start replaces the last
        state.ResumeTiming();
        d.StartButton_Click();
    }
}
BENCHMARK(BM_CommonStart)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// An entry list of 1,000, 10,000 and 50,000 boats imported into an empty race: each boat appended and
// sorted into the lists, the flags written once for the whole list.
void BM_ImportEntries(benchmark::State& state) {
    const int n = int(state.range(0));
    BenchDesk bench;
    bench.writeRace(0, 0);
    QByteArray list = "Namn;SegelId;BTyp;LysTal\r\n";
    for (int i = 0; i < n; ++i)
        list += QStringLiteral("Båt %1;SWE %1;Folkbåt;1,05\r\n").arg(i, 5, 10, QLatin1Char('0')).toUtf8();
    QFile file(bench.path(QStringLiteral("anmälda.csv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(list) != list.size()) state.SkipWithError("no list");
    file.close();
    frmMain& d = bench.load();
    for (auto _ : state) {
        bench.scripted().dialogs.queueFile(bench.path(QStringLiteral("anmälda.csv")));
        bench.scripted().dialogs.queueAnswer(platform::Answer::OK);
        d.lblImport_Click();
    }
    state.counters["boats"] = d.lstDeltagare->ListCount();
}
BENCHMARK(BM_ImportEntries)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(50000)
    ->Iterations(1)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The start corrected in the box after all 1000 boats finished: every record written with its times
// recomputed, the records flushed as a registration flushes them, the ranking and lists rebuilt.
void BM_StartCorrection1000Finished(benchmark::State& state) {
    BenchDesk bench;
    bench.writeRace(1000, 1000);
    frmMain& d = bench.load();
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        d.txtStartTid->setText(QStringLiteral("2003-07-05    10:0%1:00").arg(++round % 2));
        for (const platform::Answer a : {platform::Answer::OK, platform::Answer::Yes, platform::Answer::OK})
            bench.scripted().dialogs.queueAnswer(a);
        state.ResumeTiming();
        d.txtStartTid_KeyPress(13);
    }
}
BENCHMARK(BM_StartCorrection1000Finished)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// One click registration with `queued` boats waiting in the finish queue of a race of 1000 in `groups`
// start groups. The first registration ranks the whole queue and is left out; each timed click then
// registers the next waiting boat, so the queue keeps its length and every click is a first registration.
void clickRegistrations(benchmark::State& state, int queued, int groups) {
    BenchDesk bench;
    bench.writeRace(1000, 0);
    bench.inGroups(1000, groups);
    frmMain& d = bench.load();
    for (int p = 0; p < queued; ++p) {
        d.lstPG->setListIndex(p);
        d.lstPG_DblClick();
    }
    d.lstMg->setListIndex(0);
    int next = 1;
    for (auto _ : state) {
        d.lstMg->setListIndex(next++);
        state.PauseTiming();
        bench.clearLog();
        state.ResumeTiming();
    }
    int registered = 0; // one per round and the one left out, when every click registered
    for (int i = 0; i < d.lstMg->ListCount(); ++i)
        registered += d.lstMg->List(i).startsWith(QStringLiteral("¤")) ? 1 : 0;
    state.counters["registered"] = registered;
    state.counters["queue"] = d.lstMg->ListCount();
}

void BM_ClickRegistration(benchmark::State& state) {
    clickRegistrations(state, int(state.range(0)), 1);
}
BENCHMARK(BM_ClickRegistration)
    ->Arg(999)
    ->Iterations(150)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClickRegistration)
    ->Arg(39)
    ->Iterations(38)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The same click with 999 queued, the 1000 boats in one start group and in ten: splitting the fleet
// must cost at most a fifth more.
void BM_GroupsClickRegistration(benchmark::State& state) {
    clickRegistrations(state, 999, int(state.range(0)));
}
BENCHMARK(BM_GroupsClickRegistration)
    ->Arg(1)
    ->Arg(10)
    ->Iterations(150)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// Enter in the sail number box, from the key to the registered finish, in the shape of the click
// registration above: a race of 1000 boats, the first registration (ranking the whole queue) left out,
// every timed round a first registration of the next boat, found among the 1000 by its number.
// Positions from firstQueued to 998 wait in the queue; the boats typed before firstQueued join its end.
void sailNumberFinishes(benchmark::State& state, int firstQueued) {
    BenchDesk bench;
    bench.writeRace(1000, 0);
    frmMain& d = bench.load();
    d.lblPanSM_Click(); // the box stands on the start and finish panel
    for (int p = firstQueued; p < 999; ++p) {
        d.lstPG->setListIndex(p);
        d.lstPG_DblClick();
    }
    d.lstMg->setListIndex(0);
    int next = firstQueued == 0 ? 1 : 0;
    for (auto _ : state) {
        state.PauseTiming();
        bench.clearLog();
        d.txtSegelNr->setText(QString::number(next++)); // the boats are "SWE 0" to "SWE 999"
        state.ResumeTiming();
        d.typeChar(d.txtSegelNr, 13);
    }
    int registered = 0; // one per round and the one left out, when every Enter registered
    for (int i = 0; i < d.lstMg->ListCount(); ++i)
        registered += d.lstMg->List(i).startsWith(QStringLiteral("¤")) ? 1 : 0;
    state.counters["registered"] = registered;
    state.counters["queue"] = d.lstMg->ListCount();
}

void BM_SailNumberFinish1000Queued(benchmark::State& state) {
    sailNumberFinishes(state, 0);
}
BENCHMARK(BM_SailNumberFinish1000Queued)
    ->Iterations(150)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The boats typed are not queued yet: each joins the end of a queue of 849 and more first.
void BM_SailNumberFinish1000NotQueued(benchmark::State& state) {
    sailNumberFinishes(state, 150);
}
BENCHMARK(BM_SailNumberFinish1000NotQueued)
    ->Iterations(150)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The search alone: one typed number against the sail ids of 1000 boats.
void BM_FindSailNumber1000(benchmark::State& state) {
    BenchDesk bench;
    bench.writeRace(1000, 0);
    race::Race race;
    race.open(bench.path(QStringLiteral("Stor.dat")), race::OpenFor::Reading);
    for (auto _ : state)
        benchmark::DoNotOptimize(race::findSailNumber(race, QStringLiteral("4 4 1")));
}
BENCHMARK(BM_FindSailNumber1000)->Unit(benchmark::kMicrosecond);

// The result list of 1000 finished boats, all queued and ranked as the desk restores a race under way;
// with `ties` pairs on the same corrected second and `codes` boats given a DNF, in `groups` start groups.
void resultList1000(benchmark::State& state, int ties, int codes, int groups = 1) {
    BenchDesk bench;
    bench.writeRace(1000, 1000);
    bench.tieAndCode(1000, ties, codes);
    bench.inGroups(1000, groups);
    frmMain& d = bench.load();
    for (auto _ : state)
        d.lblfrmRes_Click();
    state.counters["rows"] = d.resultat().lvw->RowCount();
    state.counters["ranked"] = d.lstSortMG->ListCount();
}

void BM_ResultList1000(benchmark::State& state) {
    resultList1000(state, 0, 0);
}
BENCHMARK(BM_ResultList1000)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

void BM_ResultList1000With100TiesAnd100Codes(benchmark::State& state) {
    resultList1000(state, 100, 100);
}
BENCHMARK(BM_ResultList1000With100TiesAnd100Codes)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The result list of 1000 in one start group and in ten, each group under its heading.
void BM_GroupsResultList1000(benchmark::State& state) {
    resultList1000(state, 0, 0, int(state.range(0)));
}
BENCHMARK(BM_GroupsResultList1000)
    ->Arg(1)
    ->Arg(10)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The durable-write floor of a registration, without the desk: the same record and comment written,
// the settings file replaced, both race files flushed.
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
BENCHMARK(BM_RegistrationFlush)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMillisecond);

} // namespace
