// The PDF export read back with poppler.
#include "ExportFixture.h"
#include "PdfTools.h"
#include "PrintResultList.h"

#include "QStringPrint.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PdfExport : public ::testing::Test {
protected:
    void SetUp() override {
        if (!haveTool("pdftotext") || !haveTool("pdffonts") || !haveTool("pdfinfo"))
            GTEST_SKIP() << "poppler-utils (pdftotext, pdffonts, pdfinfo) are not installed";
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath("Höst.pdf");
};

} // namespace

TEST_F(PdfExport, TheSelectableTextIsTheGoldenPrintedPage) {
    results::exportResultList(pdf, smallRaceExport());
    // Every non-blank line with its blanks removed: the gaps depend on the fonts installed.
    QByteArray text;
    for (QString line : runTool("pdftotext", {"-layout", pdf, "-"}).split(u'\n'))
        if (!line.remove(QRegularExpression("\\s")).isEmpty()) text += line.toUtf8() + '\n';
    QFile golden(BRISRUNDAN_GOLDEN_DIR "/export-pdf.txt");
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_EQ(text, golden.readAll());

    // Real text: every font embedded, none drawn as Type 3 glyph procedures.
    const QStringList fonts = runTool("pdffonts", {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts) {
        EXPECT_FALSE(font.contains("Type 3")) << font.toStdString();
        EXPECT_TRUE(font.contains(QRegularExpression("\\byes\\s+(yes|no)\\s+yes\\b"))) << font.toStdString();
    }
}

TEST_F(PdfExport, AHundredBoatsOnTheLaidOutPagesEachWithItsNumber) {
    results::ResultExport list = sampleList(100);
    list.picture = QImage(76, 76, QImage::Format_RGB32);
    list.picture.fill(Qt::darkBlue);
    results::exportResultList(pdf, list);
    ASSERT_EQ(pdfPageCount(pdf), 3);
    for (int p = 1; p <= 3; ++p)
        EXPECT_EQ(pdfPageLines(pdf, p).last().simplified(), QStringLiteral("Sida %1 av 3").arg(p));
}
