#include "PdfPrintJob.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace platform;

namespace {

bool popplerInstalled() {
    return !QStandardPaths::findExecutable("pdfinfo").isEmpty() &&
           !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

QString poppler(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

#define SKIP_WITHOUT_POPPLER()                                                                               \
    if (!popplerInstalled()) GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed"

int pageCount(const QString& info) {
    const QRegularExpressionMatch m = QRegularExpression(R"(Pages:\s+(\d+))").match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

struct PdfJobTest : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath("lista.pdf");

    // A header line with tab columns, a line that runs past its next tab stop, then 70 lines in
    // 20 points: on an A4 page that is three pages.
    void printList(bool newPageBeforeEnd) {
        auto job = openPdfJob(path);
        job->ScaleMode(7);
        job->FontName("MS Sans Serif");
        job->FontBold(true);
        job->FontSize(10);
        job->CurrentY(1);
        job->Print({Tab{13}, QString("Namn"), Tab{41}, QString("Start")});
        job->Print({QString("Elvabokstäver"), Tab{5}, QString("Femte")});
        job->FontSize(20);
        for (int i = 1; i <= 70; ++i)
            job->Print({QString("Rad%1").arg(i)});
        if (newPageBeforeEnd) {
            job->NewPage();
            job->NewPage();
        }
        job->EndDoc();
    }
};

TEST_F(PdfJobTest, LongListsBreakOntoNewPagesWithoutLosingALine) {
    printList(false);
    SKIP_WITHOUT_POPPLER();
    ASSERT_EQ(pageCount(poppler("pdfinfo", {path})), 3);

    int expected = 1;
    for (int page = 1; page <= 3; ++page) {
        const QString text =
            poppler("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), path, "-"});
        const QStringList rows = text.split(QRegularExpression(R"(\s+)"), Qt::SkipEmptyParts).filter("Rad");
        EXPECT_FALSE(rows.isEmpty()) << "page " << page;
        for (const QString& row : rows)
            EXPECT_EQ(row, QString("Rad%1").arg(expected++));
    }
    EXPECT_EQ(expected, 71);
}

TEST_F(PdfJobTest, PageBreaksRightBeforeTheEndAddNoEmptyPage) {
    printList(true);
    SKIP_WITHOUT_POPPLER();
    EXPECT_EQ(pageCount(poppler("pdfinfo", {path})), 3);
}

TEST_F(PdfJobTest, TabsCountAverageCharacterWidthsFromTheLeftEdge) {
    printList(false);
    SKIP_WITHOUT_POPPLER();
    const QString boxes = poppler("pdftotext", {"-bbox", "-f", "1", "-l", "1", path, "-"});
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
