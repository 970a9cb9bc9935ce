#include "CsvExport.h"
#include "ExportFixture.h"
#include "FileSizeLimit.h"
#include "HtmlExport.h"
#include "PdfTools.h"
#include "RuntimeError.h"
#include "race_data/TestFiles.h"

#include "QStringPrint.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace results;

namespace {

ResultExport emptyWindow() {
    ResultExport list;
    list.clubName = "V å r   B å t k l u b b";
    list.rows = {{"Tävling 2006-05-20  mellan", "maj-20"}, {}};
    return list;
}

} // namespace

TEST(ResultExport, CsvAndHtmlAreTheGoldenFiles) {
    EXPECT_EQ(csvExport(smallRaceExport()), readBytes(BRISRUNDAN_GOLDEN_DIR "/export.csv"));
    EXPECT_EQ(htmlExport(smallRaceExport()), readBytes(BRISRUNDAN_GOLDEN_DIR "/export.html"));
    // Without boats: the header line a spreadsheet can open, and no empty table body validators warn about.
    EXPECT_EQ(csvExport(emptyWindow()), QByteArray("\xEF\xBB\xBFNamn;SegelId;Start;M\xC3\xA5l;Seglad Tid;SRS;"
                                                   "Korrigerad Tid;Plac.;Po\xC3\xA4ng\r\n"));
    EXPECT_FALSE(htmlExport(emptyWindow()).contains("<tbody>"));
}

// Start groups: the group as the first CSV column, an HTML table each under its heading.
TEST(ResultExport, StartGroupsAreAFirstCsvColumnAndAnHtmlTableEach) {
    const QString csv =
        QStringLiteral("\uFEFFStart;Namn;SegelId;Start;Mål;Seglad Tid;SRS;Korrigerad Tid;Plac.;Poäng\r\n"
                       "SRS A;Blå Måsen;S-7;11:00:00;13:05:10;2:05:10;0,950;1:58:55;1;1\r\n"
                       "SRS A;Ägir;SWE-101;11:00:00;12:50:00;1:50:00;1,100;2:01:00;2=;2,5\r\n"
                       "Flerskrov;\"<Rå> & \"\"R;V\"\"\";S-3;11:00:00;--:--:--;;1,000;;DNF;5\r\n"
                       "Totalt;Ägir;SWE-101;11:00:00;12:50:00;1:50:00;1,100;2:01:00;2=;2,5\r\n");
    EXPECT_EQ(csvExport(groupedRaceExport()), csv.toUtf8());
    const QString page = QString::fromUtf8(htmlExport(groupedRaceExport()));
    EXPECT_EQ(page.count("<table>"), 3);
    for (const char* heading : {"SRS A  start 11:00:00", "Flerskrov  ej startad", "Totalt"})
        EXPECT_TRUE(page.contains(QStringLiteral("<h2>%1</h2>\n<table>\n<thead>").arg(heading))) << heading;
    EXPECT_EQ(page.count("<tr>"), 3 + 4); // three header rows, four boats
}

TEST(ResultExport, HtmlPassesTidyWithoutAWarning) {
    if (!haveTool("tidy")) GTEST_SKIP() << "tidy is not installed";
    QTemporaryDir dir;
    for (const ResultExport& list : {smallRaceExport(), emptyWindow(), groupedRaceExport()}) {
        writeBytes(dir.filePath("resultat.html"), htmlExport(list));
        QProcess tidy;
        tidy.start("tidy", {"-q", "-errors", dir.filePath("resultat.html")});
        ASSERT_TRUE(tidy.waitForFinished(30000));
        EXPECT_EQ(tidy.exitCode(), 0) << tidy.readAllStandardError().toStdString();
    }
}

TEST(ResultExport, TheFormatComesFromTheExtensionInAnyCase) {
    const std::pair<const char*, ExportFormat> known[] = {{"/r/Höst.html", ExportFormat::Html},
                                                          {"/r/Höst.HTML", ExportFormat::Html},
                                                          {"/r/a.b/Höst.Csv", ExportFormat::Csv},
                                                          {"Höst.pdf", ExportFormat::Pdf}};
    for (const auto& [path, format] : known)
        EXPECT_EQ(exportFormatOf(QString::fromUtf8(path)), format) << path;
    for (const char* path : {"/r/Höst.htm", "/r/Höst.txt", "/r/Höst", "/r/a.csv/Höst"})
        EXPECT_EQ(exportFormatOf(QString::fromUtf8(path)), std::nullopt) << path;
}

TEST(ResultExport, AFailedWriteLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Höst.html");
    writeBytes(path, "gammal sida");
    std::optional<RuntimeError> full;
    {
        const FileSizeLimit limit(100);
        full = failureOf([&] { exportResultList(path, smallRaceExport()); });
    }
    ASSERT_TRUE(full);
    EXPECT_EQ(full->number(), runtime_error_numbers::DiskFull);
    EXPECT_EQ(readBytes(path), QByteArray("gammal sida"));
    const std::optional<RuntimeError> missing =
        failureOf([&] { exportResultList(dir.filePath("saknas/Höst.csv"), smallRaceExport()); });
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->number(), runtime_error_numbers::FileNotFound);
}
