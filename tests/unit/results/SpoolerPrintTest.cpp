// A result list through the real spooler: CUPS with a cups-pdf queue as the default printer, printed the
// way the desk prints, through the system's print dialog. Only on CI as root: it starts system services.
#include "PdfTools.h"
#include "PrintResultList.h"
#include "QtPrinterPort.h"
#include "platform/WhenShown.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QThread>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QString Queue = QStringLiteral("BrisrundanPDF");

// The program's exit code, -1 when it crashed or took longer than 150 s.
int run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(150000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool schedulerRunning() {
    return runTool("lpstat", {"-r"}).contains("scheduler is running");
}

// The PDFs cups-pdf wrote since `since`, in root's folder or the anonymous one as Debian configures it,
// once each has stopped growing and poppler can read it.
QStringList pdfsSince(const QDateTime& since) {
    QStringList found;
    for (const char* folder : {"/root/PDF", "/var/spool/cups-pdf/ANONYMOUS"})
        for (const QFileInfo& info : QDir(folder).entryInfoList({"*.pdf"}, QDir::Files))
            if (info.lastModified() >= since) {
                QThread::msleep(500);
                if (QFileInfo(info.filePath()).size() == info.size() && pdfPageCount(info.filePath()) > 0)
                    found << info.filePath();
            }
    return found;
}

} // namespace

TEST(SpoolerPrint, ResultListReachesTheDefaultPrinterThroughCups) {
    if (qEnvironmentVariable("CI") != "true" || geteuid() != 0)
        GTEST_SKIP() << "runs only on CI (CI=true) as root: it starts CUPS and sets the default printer";
    ASSERT_TRUE(haveTool("lpadmin") && haveTool("cupsd") && QFile::exists("/usr/lib/cups/backend/cups-pdf"))
        << "CUPS or the cups-pdf backend is missing: brisrundan.sh test installs them";
    if (!schedulerRunning()) {
        ASSERT_EQ(run("cupsd", {}), 0) << "cupsd did not start";
    }
    for (QDeadlineTimer started(20000); !schedulerRunning() && !started.hasExpired();)
        QThread::msleep(200);
    const QString ppd = QDir("/usr/share/ppd/cups-pdf").entryList({"*opt.ppd"}, QDir::Files).value(0);
    ASSERT_EQ(run("lpadmin", QStringList{"-p", Queue, "-v", "cups-pdf:/", "-E"} +
                                 (ppd.isEmpty() ? QStringList{"-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"}
                                                : QStringList{"-P", "/usr/share/ppd/cups-pdf/" + ppd})),
              0);
    ASSERT_EQ(run("lpadmin", {"-d", Queue}) + run("lpoptions", {"-d", Queue}), 0);

    // Whole seconds, as some file systems keep the modification time.
    const QDateTime before = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch());
    platform::QtPrinterPort port;
    whenShown<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(port.chooseJob(), nullptr) << "Cancel in the print dialog gives no job";
    QString chosen;
    whenShown<QPrintDialog>([&chosen](QPrintDialog* dialog) {
        chosen = dialog->printer()->printerName();
        dialog->accept();
    });
    {
        std::unique_ptr<platform::PrintJob> job = port.chooseJob();
        ASSERT_NE(job, nullptr);
        results::printResultList(*job, sampleList(65));
    }
    EXPECT_EQ(chosen, Queue);

    QStringList pdfs;
    for (QDeadlineTimer deadline(60000); pdfs.isEmpty() && !deadline.hasExpired(); QThread::msleep(1000))
        pdfs = pdfsSince(before);
    ASSERT_EQ(pdfs.size(), 1) << "one PDF from cups-pdf within 60 s; the cancelled dialog sent nothing";
    // Ghostscript's Type 3 fonts do not read back, so the lines are counted: club, heading, made line,
    // headings, 35 boats and the page number on page 1; headings, 30 boats and the page number on page 2.
    ASSERT_EQ(pdfPageCount(pdfs[0]), 2);
    EXPECT_EQ(pdfPageLines(pdfs[0], 1).size(), 3 + 1 + 35 + 1);
    EXPECT_EQ(pdfPageLines(pdfs[0], 2).size(), 1 + 30 + 1);
    if (!HasFailure()) QFile::remove(pdfs[0]);
}
