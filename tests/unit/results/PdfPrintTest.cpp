// The print job drawn into a real PDF and read back: pages as the layout counts them, the headings
// repeated on every page, the page numbers at the foot. That a heading stands over its column is the
// text rendition's test and the PDF job's tab test.
#include "PdfPrintJob.h"
#include "PdfTools.h"
#include "PrintResultList.h"

#include "QStringPrint.h"
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
