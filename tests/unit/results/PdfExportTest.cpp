// The PDF export read back with poppler: real text, every boat row on its line, fonts embedded.
#include "PdfExport.h"
#include "ExportFixture.h"
#include "PdfTools.h"

#include "QStringPrint.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The text of every non-blank line with its blanks removed: the content and the line a field stands on
// are kept, while the width of the gaps, which depends on the fonts installed, is not.
QByteArray pdfTextWithoutBlanks(const QString& pdf) {
    QByteArray out;
    for (const QString& line : runTool("pdftotext", {"-layout", pdf, "-"}).split(u'\n')) {
        QString packed = line;
        packed.remove(QRegularExpression(QStringLiteral("\\s")));
        if (!packed.isEmpty()) out += packed.toUtf8() + '\n';
    }
    return out;
}

} // namespace

TEST(PdfExport, TheSelectableTextIsTheGoldenPrintedPage) {
    if (!haveTool("pdftotext") || !haveTool("pdffonts"))
        GTEST_SKIP() << "poppler-utils (pdftotext, pdffonts) are not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("Höst.pdf");
    results::exportResultList(pdf, smallRaceExport());

    QFile golden(QStringLiteral(BRISRUNDAN_GOLDEN_DIR "/export-pdf.txt"));
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdfTextWithoutBlanks(pdf), golden.readAll());

    // Real text: every font embedded, none drawn as Type 3 glyph procedures.
    const QStringList fonts = runTool("pdffonts", {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts) {
        EXPECT_FALSE(font.contains(QStringLiteral("Type 3"))) << font.toStdString();
        EXPECT_TRUE(font.contains(QRegularExpression(QStringLiteral("\\byes\\s+(yes|no)\\s+yes\\b"))))
            << font.toStdString();
    }
}
