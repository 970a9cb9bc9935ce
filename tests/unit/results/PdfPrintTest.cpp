// The print job drawn into a real PDF and read back: pages as the layout counts them, the headings
// repeated on every page over their own columns, the page numbers at the foot.
#include "PdfPrintJob.h"
#include "PdfTools.h"
#include "PrintResultList.h"

#include "QStringPrint.h"
#include <QTemporaryDir>
#include <map>

#include <gtest/gtest.h>

namespace {

// The left edge of every word on one page, in points, by its text (the last one of equal words).
std::map<QString, double> wordLefts(const QString& pdf, int page) {
    const QString n = QString::number(page);
    const QString boxes = runTool("pdftotext", {"-bbox", "-f", n, "-l", n, pdf, "-"});
    std::map<QString, double> at;
    const QRegularExpression word(R"re(<word xMin="([\d.]+)"[^>]*>([^<]+)</word>)re");
    for (const QRegularExpressionMatch& m : word.globalMatch(boxes))
        at[m.captured(2)] = m.captured(1).toDouble();
    return at;
}

} // namespace

TEST(PdfPrint, ResultListOfAHundredBoatsOnNumberedPagesWithTheirHeadings) {
    if (!haveTool("pdftotext") || !haveTool("pdfinfo"))
        GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) are not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("resultat.pdf");
    results::ResultExport list = sampleList(100);
    list.picture = QImage(76, 76, QImage::Format_RGB32);
    list.picture.fill(Qt::darkBlue);
    {
        std::unique_ptr<platform::PrintJob> job = platform::openPdfJob(pdf);
        results::printResultList(*job, list);
    }

    const std::vector<results::PrintedPage> layout = results::printedPages(list);
    const int pages = pdfPageCount(pdf);
    ASSERT_EQ(pages, static_cast<int>(layout.size()));
    ASSERT_EQ(pages, 3);
    std::vector<QStringList> text;
    for (int p = 1; p <= pages; ++p)
        text.push_back(pdfPageLines(pdf, p));

    EXPECT_EQ(pageHolding(text, "Segelsällskapet Brisen"), 1);
    EXPECT_EQ(pageHolding(text, "Preliminära resultat kl 18:00"), 1);
    for (int p = 1; p <= pages; ++p) {
        const QStringList& lines = text[static_cast<std::size_t>(p - 1)];
        const auto headings = std::find_if(lines.begin(), lines.end(),
                                           [](const QString& l) { return l.contains("Korrigerad Tid"); });
        ASSERT_NE(headings, lines.end()) << "no headings on page " << p;
        EXPECT_TRUE(lines[headings - lines.begin() + 1].contains(
            sampleRow(static_cast<int>(layout[static_cast<std::size_t>(p - 1)].first) + 1)[0]))
            << "page " << p << " does not go on with its first row under the headings";
        EXPECT_EQ(lines.last().simplified(), QStringLiteral("Sida %1 av 3").arg(p));

        // Each heading starts where its column's values start.
        const std::map<QString, double> at = wordLefts(pdf, p);
        const int last = static_cast<int>(layout[static_cast<std::size_t>(p - 1)].end);
        const results::ResultatRad row = sampleRow(last);
        for (const auto& [heading, value] : {std::pair{"Namn", row[0].split(' ')[0]},
                                             {"Start", row[1]},
                                             {"Mål", row[2]},
                                             {"Seglad", row[3]},
                                             {"SRS", row[4]},
                                             {"Korrigerad", row[5]},
                                             {"Poäng", row[7]}}) {
            ASSERT_TRUE(at.count(heading) && at.count(value)) << heading << " on page " << p;
            EXPECT_NEAR(at.at(heading), at.at(value), 0.5) << heading << " on page " << p;
        }
    }
    // Every boat is printed once, all its fields on one line.
    for (int r = 3; r <= 102; ++r) {
        const results::ResultatRad row = sampleRow(r);
        const int page = pageHolding(text, row[0]);
        ASSERT_GT(page, 0) << row[0].toStdString();
        const QStringList& lines = text[static_cast<std::size_t>(page - 1)];
        EXPECT_EQ(lines.filter(row[0]).size(), 1);
        EXPECT_TRUE(lines.filter(row[0]).front().contains("2:16:30")) << row[0].toStdString();
    }
}
