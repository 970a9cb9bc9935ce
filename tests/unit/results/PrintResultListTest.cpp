// The printed list as printer operations: the club on page 1, the column headings on every page at
// their columns' own tabs, "Sida n av N" at each foot, and page breaks that never split a row.
#include "PrintResultList.h"
#include "ExportFixture.h"
#include "LoggingPrintJob.h"
#include "PdfTools.h"

#include "QStringPrint.h"
#include <gtest/gtest.h>

using results::PrintedPage;

namespace {

// The printer operations of the printed list as text: "FontSize 10", "Print <13>Namn<41>...", "EndDoc".
QStringList printedOps(const results::ResultExport& list) {
    platform::MemoryEventLog log;
    platform::LoggingPrintJob job(log, 0, nullptr);
    results::printResultList(job, list);
    QStringList ops;
    for (const QJsonObject& e : log.events) {
        QString args;
        for (const QJsonValue& a : e["args"].toArray())
            args += a.isObject() ? QStringLiteral("<%1>").arg(a["tab"].toInt()) : a.toVariant().toString();
        ops << (e["op"].toString() + ' ' + args).trimmed();
    }
    return ops;
}

const QString Headings =
    "Print <13>Namn<41>Start<50>Mål<61>Seglad Tid<73>SRS<83>Korrigerad Tid<98>Plac.<105>Poäng";

QString printed(const results::ResultatRad& c) {
    return QStringLiteral("Print <13>%1<41>%2<50>%3<61>%4<73>%5<83>%6<98>%7<105>%8")
        .arg(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]);
}

// Boats whose names take two printed lines: they run past the start column.
results::ResultExport longNamedList(int boats) {
    results::ResultExport list = sampleList(boats);
    for (std::size_t r = results::FirstBoatRow; r < list.rows.size(); ++r)
        list.rows[r][0] = QString(30, QLatin1Char('X'));
    return list;
}

// Boats in two start groups: "A" from the first boat row, "B" from the row `heading` on.
results::ResultExport twoGroups(std::size_t heading, int boats) {
    results::ResultExport list = sampleList(boats);
    list.sections.assign(list.rows.size(), {"A"});
    list.sections[0] = list.sections[1] = {};
    list.sections[results::FirstBoatRow].heading = true;
    list.rows[results::FirstBoatRow] = {"A  start 10:00:00"};
    for (std::size_t r = heading; r < list.rows.size(); ++r)
        list.sections[r] = {"B", r == heading};
    list.rows[heading] = {"B  start 10:05:00"};
    return list;
}

} // namespace

TEST(PrintResultList, PagesHoldWholeRowsInOrder) {
    struct Case {
        results::ResultExport list;
        std::vector<PrintedPage> pages;
    };
    // Page 1 has room for 35 one-line rows under the heading block, later pages for 39; for 20 and 22
    // rows of two lines. One row more than fits shows both edges of each.
    const Case cases[] = {
        {sampleList(0), {{2, 2}}},
        {sampleList(36), {{2, 37}, {37, 38}}},
        {sampleList(75), {{2, 37}, {37, 76}, {76, 77}}},
        {longNamedList(21), {{2, 22}, {22, 23}}},
        {longNamedList(43), {{2, 22}, {22, 44}, {44, 45}}},
        // A group's heading is never the last line of a page.
        {twoGroups(35, 36), {{2, 37}, {37, 38}}},
        {twoGroups(36, 36), {{2, 36}, {36, 38}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(results::printedPages(c.list), c.pages) << c.list.rows.size() << " rows";
}

// The club heads page 1 only, in large bold type beside the picture. The rest of page 1's heading block,
// as a print from the desk gives it without a club, and a printer failing halfway are in the result-print
// scenario.
TEST(PrintResultList, EveryPageRepeatsTheHeadingsAndCountsThePagesUnderTheClubOnPageOne) {
    const QStringList ops = printedOps(sampleList(75));
    const qsizetype club = ops.indexOf("Print Segelsällskapet Brisen");
    EXPECT_EQ(ops.mid(club - 4, 5), (QStringList{"FontBold true", "FontSize 18", "CurrentX 4.6",
                                                 "CurrentY 0.6", "Print Segelsällskapet Brisen"}));
    EXPECT_EQ(ops.count("Print Segelsällskapet Brisen"), 1);
    EXPECT_EQ(ops.count(Headings), 3);
    EXPECT_EQ(ops.count("NewPage"), 2);
    // Each later page opens with its headings at the top, then its first row.
    const qsizetype second = ops.indexOf("NewPage");
    EXPECT_EQ(ops.mid(second - 1, 9),
              (QStringList{"Print Sida 1 av 3", "NewPage", "FontSize 10", "FontUnderline true", "CurrentY 1",
                           Headings, "FontUnderline false", "CurrentY 1.7", printed(sampleRow(38))}));
    EXPECT_EQ(ops.mid(ops.size() - 2), (QStringList{"Print Sida 3 av 3", "EndDoc"}));
    for (int r = 3; r <= 77; ++r)
        EXPECT_EQ(ops.count(printed(sampleRow(r))), 1) << r;
}
