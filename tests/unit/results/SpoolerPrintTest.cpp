// A result list through the real print spooler: CUPS with a cups-pdf queue as the default printer,
// printed the way the desk prints, through the system's print dialog. Only on CI, as root, since it
// starts system services; the test command installs CUPS and cups-pdf with the other test packages.
#include "PdfTools.h"
#include "PrintResultList.h"
#include "QtPrinterPort.h"
#include "platform/WhenShown.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QPrintDialog>
#include <QPrinter>
#include <QThread>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

const QString Queue = QStringLiteral("BrisrundanPDF");

// The program's exit code, -1 when it crashed or took longer than 150 s; its output in `output`.
int run(const QString& program, const QStringList& args, QString* output = nullptr) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(150000)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    if (output) *output = QString::fromUtf8(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool schedulerRunning() {
    QString out;
    run("lpstat", {"-r"}, &out);
    return out.contains("scheduler is running");
}

// Where cups-pdf writes a job of ours as Debian configures it: root's own folder, or the anonymous one.
const QStringList Folders{"/root/PDF", "/var/spool/cups-pdf/ANONYMOUS"};

// The PDFs there with their modification times: cups-pdf names its file after the job, so a new job
// may well overwrite an old file.
QMap<QString, QDateTime> pdfsIn() {
    QMap<QString, QDateTime> found;
    for (const QString& f : Folders)
        for (const QFileInfo& info : QDir(f).entryInfoList({"*.pdf"}, QDir::Files))
            found.insert(info.filePath(), info.lastModified());
    return found;
}

// Waits up to 60 s for a new or rewritten PDF whose size has stopped growing and that poppler can read.
QString waitForNewPdf(const QMap<QString, QDateTime>& before) {
    for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(500)) {
        const QMap<QString, QDateTime> now = pdfsIn();
        for (auto it = now.begin(); it != now.end(); ++it) {
            if (before.value(it.key()) == it.value()) continue;
            const qint64 size = QFileInfo(it.key()).size();
            QThread::msleep(500);
            if (size > 0 && size == QFileInfo(it.key()).size() && pdfPageCount(it.key()) > 0) return it.key();
        }
    }
    return {};
}

} // namespace

TEST(SpoolerPrint, ResultListReachesTheDefaultPrinterThroughCups) {
    if (qEnvironmentVariable("CI") != "true" || geteuid() != 0)
        GTEST_SKIP() << "runs only on CI (CI=true) as root: it starts the CUPS scheduler and changes the "
                        "system's default printer";
    QString out;
    ASSERT_TRUE(haveTool("lpadmin") && haveTool("cupsd") && QFile::exists("/usr/lib/cups/backend/cups-pdf"))
        << "CUPS or the cups-pdf backend is missing: brisrundan.sh test installs them";
    if (!schedulerRunning()) {
        ASSERT_EQ(run("cupsd", {}), 0) << "cupsd did not start";
        for (QDeadlineTimer started(20000); !schedulerRunning() && !started.hasExpired();)
            QThread::msleep(200);
    }
    ASSERT_TRUE(schedulerRunning()) << "the CUPS scheduler is not running";

    const QString ppd = QDir("/usr/share/ppd/cups-pdf").entryList({"*opt.ppd"}, QDir::Files).value(0);
    QStringList add{"-p", Queue, "-v", "cups-pdf:/", "-E"};
    add << (ppd.isEmpty() ? QStringList{"-m", "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"}
                          : QStringList{"-P", "/usr/share/ppd/cups-pdf/" + ppd});
    ASSERT_EQ(run("lpadmin", add, &out), 0) << out.toStdString();
    ASSERT_EQ(run("lpadmin", {"-d", Queue}, &out), 0) << out.toStdString();
    ASSERT_EQ(run("lpoptions", {"-d", Queue}, &out), 0) << out.toStdString();

    const QMap<QString, QDateTime> before = pdfsIn();
    platform::QtPrinterPort port;
    // Cancel in the print dialog gives no job; OK gives one on the printer chosen there.
    whenShown<QPrintDialog>([](QPrintDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(port.chooseJob(), nullptr);
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

    const QString pdf = waitForNewPdf(before);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from cups-pdf within 60 s in " << Folders.join(", ").toStdString();
    // cups-pdf rebuilds the job through Ghostscript with Type 3 fonts whose text does not read back,
    // so the lines are counted: club name, heading, made line, headings, 35 boats and the page number
    // on page 1; headings, the other 30 boats and the page number on page 2. One job only: the
    // cancelled dialog sent nothing.
    ASSERT_EQ(pdfPageCount(pdf), 2);
    EXPECT_EQ(pdfPageLines(pdf, 1).size(), 3 + 1 + 35 + 1);
    EXPECT_EQ(pdfPageLines(pdf, 2).size(), 1 + 30 + 1);
    EXPECT_EQ(pdfsIn().size(), before.size() + (before.contains(pdf) ? 0 : 1));
    if (!HasFailure()) QFile::remove(pdf);
}
