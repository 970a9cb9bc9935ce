#include "PrintResultList.h"
#include "ExportFixture.h"
#include "LoggingPrintJob.h"
#include "PdfTools.h"

#include "QStringPrint.h"
#include <gtest/gtest.h>

using results::PrintedPage;

namespace {

// The printer operations as text: "FontSize 10", "Print <13>Namn<41>...", "EndDoc".
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

// Boats with names of that length from column 13: from 29 on they reach the start column at 41, and the
// rest of the row goes onto a second line.
results::ResultExport longNamedList(int boats, int length = 29) {
    results::ResultExport list = sampleList(boats);
    for (std::size_t r = results::FirstBoatRow; r < list.rows.size(); ++r)
        list.rows[r][0] = QString(length, QLatin1Char('X'));
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
    // Room for 35 one-line rows on page 1 and 39 later, 20 and 22 of two lines: one row more than fits.
    const Case cases[] = {
        {sampleList(0), {{2, 2}}},
        {sampleList(36), {{2, 37}, {37, 38}}},
        {longNamedList(36, 28), {{2, 37}, {37, 38}}},
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

// The club heads page 1 only, large and bold beside the picture.
TEST(PrintResultList, EveryPageRepeatsTheHeadingsAndCountsThePagesUnderTheClubOnPageOne) {
    const QStringList ops = printedOps(sampleList(75));
    const qsizetype club = ops.indexOf("Print Segelsällskapet Brisen");
    EXPECT_EQ(ops.mid(club - 4, 5), (QStringList{"FontBold true", "FontSize 18", "CurrentX 4.6",
                                                 "CurrentY 0.6", "Print Segelsällskapet Brisen"}));
    EXPECT_EQ(ops.count("Print Segelsällskapet Brisen"), 1);
    EXPECT_EQ(ops.count(Headings), 3);
    EXPECT_EQ(ops.count("NewPage"), 2);
    const qsizetype second = ops.indexOf("NewPage");
    EXPECT_EQ(ops.mid(second - 1, 9),
              (QStringList{"Print Sida 1 av 3", "NewPage", "FontSize 10", "FontUnderline true", "CurrentY 1",
                           Headings, "FontUnderline false", "CurrentY 1.7", printed(sampleRow(38))}));
    EXPECT_EQ(ops.mid(ops.size() - 2), (QStringList{"Print Sida 3 av 3", "EndDoc"}));
    for (int r = 3; r <= 77; ++r)
        EXPECT_EQ(ops.count(printed(sampleRow(r))), 1) << r;
}
