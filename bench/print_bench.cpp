// The print job of a 1000-row result list drawn into a PDF: what "Skriv Ut" costs on a large race.
#include "PdfPrintJob.h"
#include "PrintResultList.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

results::ResultatRad benchRow(int r) {
    if (r == 1) return {"Tävling 2006-05-20  mellan", "maj-20", "maj-21", "", "", "", ""};
    if (r == 2) return {};
    return {QStringLiteral("Båt %1 , S-%1").arg(r),
            "11:00:00",
            "13:10:00",
            "2:10:00",
            "1,05",
            "2:16:30",
            QString::number(r - 2)};
}

void PrintThousandRowsToPdf(benchmark::State& state) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("bench.pdf");
    QImage logo(76, 76, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::unique_ptr<platform::PrintJob> job = platform::openPdfJob(pdf);
        results::printResultList(*job, logo, "V å r   B å t k l u b b", "Brisrundan 2006", rows, benchRow,
                                 [](int) {});
        job.reset();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(PrintThousandRowsToPdf)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
