// The print job drawn into a real PDF and read back.
#include "PdfPrintJob.h"
#include "PdfTools.h"
#include "PrintResultList.h"

#include "QStringPrint.h"
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PdfPrint, ResultListOf130RowsBreaksAfterEverySixtiethRow) {
    if (!haveTool("pdftotext") || !haveTool("pdfinfo"))
        GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) are not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath("resultat.pdf");
    {
        std::unique_ptr<platform::PrintJob> job = platform::openPdfJob(pdf);
        QImage logo(76, 76, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        results::printResultList(*job, logo, "V å r   B å t k l u b b", "Brisrundan 2006", 130, sampleRow,
                                 [](int) {});
    }

    const int pages = pdfPageCount(pdf);
    ASSERT_GE(pages, 3);
    std::vector<QStringList> text;
    for (int p = 1; p <= pages; ++p)
        text.push_back(pdfPageLines(pdf, p));

    EXPECT_EQ(pageHolding(text, "Brisrundan 2006"), 1);
    EXPECT_EQ(pageHolding(text, "Tävling 2006-05-20"), 1);
    const int header = pageHolding(text, "Korrigerad Tid");
    ASSERT_EQ(header, 1);
    for (const char* h : {"Namn", "Start", "Mål", "Seglad Tid", "SRS", "Plac."})
        EXPECT_TRUE(std::any_of(text[0].begin(), text[0].end(), [&](const QString& l) {
            return l.contains("Korrigerad Tid") && l.contains(h);
        })) << h;

    // Every boat is printed once, all its fields on one line.
    for (int r = 3; r <= 130; ++r) {
        const results::ResultatRad row = sampleRow(r);
        const int page = pageHolding(text, row[0]);
        ASSERT_GT(page, 0) << row[0].toStdString();
        const QString line = *std::find_if(text[page - 1].begin(), text[page - 1].end(),
                                           [&](const QString& l) { return l.contains(row[0]); });
        EXPECT_TRUE(line.contains("13:10:00") && line.contains("2:16:30")) << line.toStdString();
    }
    // The explicit breaks: rows 61 and 121 open their pages, and the last page holds the last row.
    EXPECT_TRUE(text[pageHolding(text, "Båt 061") - 1].first().contains("Båt 061"));
    EXPECT_TRUE(text[pageHolding(text, "Båt 121") - 1].first().contains("Båt 121"));
    EXPECT_EQ(pageHolding(text, "Båt 130"), pages);
    EXPECT_EQ(pageHolding(text, "Båt 060"), pageHolding(text, "Båt 061") - 1);
}
