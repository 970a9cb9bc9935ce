#include "ExternalTools.h"
#include "PdfPrintJob.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace platform;

namespace {

struct PdfJobTest : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath("lista.pdf");

    // A header line with tab columns, then a line that runs past its next tab stop.
    void printList() {
        auto job = openPdfJob(path);
        job->ScaleMode(7);
        job->FontName("MS Sans Serif");
        job->FontBold(true);
        job->FontSize(10);
        job->CurrentY(1);
        job->Print({Tab{13}, QString("Namn"), Tab{41}, QString("Start")});
        job->Print({QString("Elvabokstäver"), Tab{5}, QString("Femte")});
        job->EndDoc();
    }
};

TEST_F(PdfJobTest, TabsCountAverageCharacterWidthsFromTheLeftEdge) {
    printList();
    if (!haveTool("pdftotext")) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString boxes = runTool("pdftotext", {"-bbox", "-f", "1", "-l", "1", path, "-"});
    std::map<QString, std::pair<double, double>> at; // word -> (x, y) in points
    const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]+)</word>)re");
    for (const QRegularExpressionMatch& m : word.globalMatch(boxes))
        at[m.captured(3)] = {m.captured(1).toDouble(), m.captured(2).toDouble()};
    ASSERT_TRUE(at.count("Namn") && at.count("Start") && at.count("Elvabokstäver") && at.count("Femte"));

    // The page's printable area starts 10 mm in; column n lies n - 1 average widths further.
    const double left = 10 / 25.4 * 72;
    const double width = (at["Namn"].first - left) / 12;
    EXPECT_NEAR(at["Elvabokstäver"].first, left, 1.0);
    EXPECT_NEAR(at["Start"].first - left, 40 * width, 1.0);
    EXPECT_NEAR(at["Femte"].first - left, 4 * width, 1.0);
    // "Femte" could not go back to column 5 on the same line.
    EXPECT_GT(at["Femte"].second, at["Elvabokstäver"].second);
    EXPECT_GT(at["Elvabokstäver"].second, at["Namn"].second);
}

} // namespace
