// The print job of a 1000-row result list drawn into a PDF: what "Skriv Ut" costs on a large race.
#include "PdfPrintJob.h"
#include "PrintResultList.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

results::ResultExport benchList(int boats) {
    results::ResultExport list;
    list.clubName = QStringLiteral("Segelsällskapet Brisen");
    list.heading = QStringLiteral("Brisrundan 2006");
    list.picture = QImage(76, 76, QImage::Format_RGB32);
    list.picture.fill(Qt::darkBlue);
    list.rows = {
        {QStringLiteral("Tävling 2006-05-20  mellan"), QStringLiteral("maj-20"), QStringLiteral("maj-21")},
        {}};
    for (int r = 1; r <= boats; ++r)
        list.rows.push_back({QStringLiteral("Båt %1 , S-%1").arg(r), "11:00:00", "13:10:00", "2:10:00",
                             "1,050", "2:16:30", QString::number(r), QString::number(r)});
    list.written = 38857.75;
    return list;
}

void PrintThousandRowsToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("bench.pdf");
    const int rows = static_cast<int>(state.range(0));
    const results::ResultExport list = benchList(rows);
    for (auto _ : state) {
        std::unique_ptr<platform::PrintJob> job = platform::openPdfJob(pdf);
        results::printResultList(*job, list);
        job.reset();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(PrintThousandRowsToPdf)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
