#include "JsonPrinting.h"
#include "RuntimeError.h"
#include "ScriptedPlatform.h"

#include <QFile>
#include <QImage>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {

struct ScriptedPrinterTest : ::testing::Test {
    MemoryEventLog log;
    ScriptedPrinterPort printer{log};

    static void titleBlock(PrintJob& job) {
        job.ScaleMode(7);
        job.PaintPicture(QImage(4, 4, QImage::Format_RGB32), 2, 0.5, 2, 2);
        job.FontBold(true);
        job.CurrentY(3.5);
        job.FontUnderline(false);
        job.Print({Tab{13}, QString("Mål"), Tab{41}, QString("1:05:09")});
        job.Print({});
    }
};

TEST_F(ScriptedPrinterTest, TheChosenOperationOfEachJobFails) {
    printer.setFailAt(3);
    for (int round = 0; round < 2; ++round) {
        log.events.clear();
        auto job = printer.openJob();
        try {
            titleBlock(*job);
            FAIL() << "the third operation should fail";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), 482);
        }
        ASSERT_EQ(log.events.size(), 3u);
        EXPECT_EQ(log.events[1]["op"], "PaintPicture");
        EXPECT_EQ(log.events[2], (QJsonObject{{"event", "printerror"}, {"op", "FontBold"}}));
    }
}

TEST_F(ScriptedPrinterTest, PdfModeLogsAndDraws) {
    QTemporaryDir dir;
    const QString path = dir.filePath("lista.pdf");
    printer.setPdf(path);
    auto job = printer.openJob();
    titleBlock(*job);
    job->EndDoc();

    EXPECT_EQ(log.events.size(), 8u);
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
}

} // namespace
