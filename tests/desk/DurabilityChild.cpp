// A desk that registers one finish and waits to be killed. Arguments: the application folder, the
// approach-list position to register, and the clock reading as "yyyy-MM-dd hh:mm:ss".
#include "ScriptedPlatform.h"
#include "frmMain.h"

#include <QApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4) return 2;
    platform::MemoryEventLog log;
    platform::ScriptedPlatform scripted(log, QString::fromLocal8Bit(argv[1]));
    scripted.clock.set(
        QDateTime::fromString(QString::fromLatin1(argv[3]), QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    platform::Platform pf = scripted.platform();
    frmMain desk(pf);
    desk.Form_Load();
    desk.show();
    desk.Form_Activate();
    desk.lstPG->setListIndex(QString::fromLatin1(argv[2]).toInt());
    desk.lstPG_DblClick();
    desk.lstMg->setListIndex(desk.lstMg->ListCount() - 1);
    std::puts("registered");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
