#include "JsonPrinting.h"
#include "RuntimeError.h"
#include "ScriptedPlatform.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
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

TEST_F(ScriptedPrinterTest, EveryOperationIsLoggedWithItsArguments) {
    auto job = printer.openJob();
    titleBlock(*job);
    job->NewPage();
    job->EndDoc();

    auto printerEvent = [](const char* op, QJsonArray args) {
        return QJsonObject{{"event", "printer"}, {"op", op}, {"args", args}};
    };
    const std::vector<QJsonObject> expected{
        printerEvent("ScaleMode", {7}),
        printerEvent("PaintPicture", {2, 0.5, 2, 2}),
        printerEvent("FontBold", {true}),
        printerEvent("CurrentY", {3.5}),
        printerEvent("FontUnderline", {false}),
        printerEvent("Print", {QJsonObject{{"tab", 13}}, "Mål", QJsonObject{{"tab", 41}}, "1:05:09"}),
        printerEvent("Print", {}),
        printerEvent("NewPage", {}),
        printerEvent("EndDoc", {}),
    };
    EXPECT_EQ(log.events, expected);
}

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

TEST_F(ScriptedPrinterTest, WithoutAPrinterNoJobStarts) {
    printer.setNone();
    EXPECT_THROW(printer.openJob(), RuntimeError);
    EXPECT_TRUE(log.events.empty());
    printer.setLog();
    EXPECT_NO_THROW(printer.openJob()->EndDoc());
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
