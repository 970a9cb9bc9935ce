// The result list leaving the desk and an entry list coming in, at a size no club race reaches: 1000
// rows exported to each format, 1000 entries read.
#include "CsvExport.h"
#include "EntryImport.h"
#include "HtmlExport.h"
#include "PdfExport.h"
#include "PdfTools.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 1000;

template <QByteArray (*Export)(const results::ResultExport&)>
void ExportThousandRows(benchmark::State& state) {
    const results::ResultExport list = sampleList(Rows);
    for (auto _ : state)
        benchmark::DoNotOptimize(Export(list));
    state.counters["rows"] = Rows;
}
BENCHMARK(ExportThousandRows<results::csvExport>)->Name("ExportCsv/1000")->Unit(benchmark::kMillisecond);
BENCHMARK(ExportThousandRows<results::htmlExport>)->Name("ExportHtml/1000")->Unit(benchmark::kMillisecond);
BENCHMARK(ExportThousandRows<results::pdfExport>)->Name("ExportPdf/1000")->Unit(benchmark::kMillisecond);

// A spreadsheet's entry list: header, Swedish names, decimal commas, every sail id new.
QByteArray thousandEntries() {
    QByteArray file = "\xEF\xBB\xBFNamn;SegelId;BTyp;LysTal\r\n";
    for (int i = 1; i <= Rows; ++i)
        file += QStringLiteral("Båt Åström %1;SWE-%1;Folkbåt;1,%2\r\n").arg(i).arg(i % 90 + 10).toUtf8();
    return file;
}

void ImportThousandEntries(benchmark::State& state) {
    const QByteArray file = thousandEntries();
    QStringList inRace;
    for (int i = 1; i <= 300; ++i)
        inRace << QStringLiteral("FIN-%1").arg(i);
    for (auto _ : state) {
        const race_data::EntryList list = race_data::parseEntryList(file, inRace);
        if (list.entries.size() != Rows) state.SkipWithError("entries refused");
        benchmark::DoNotOptimize(list);
    }
    state.counters["entries"] = Rows;
}
BENCHMARK(ImportThousandEntries)->Name("ImportEntries/1000")->Unit(benchmark::kMillisecond);

} // namespace
