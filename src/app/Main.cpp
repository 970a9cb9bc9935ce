// brisrundan: the race desk at the finish line; with --export, the result list of a race file.
#include "CommandLineExport.h"
#include "CommandLineInfo.h"
#include "QtPlatform.h"
#include "RaceFileHome.h"
#include "frmMain.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

int main(int argc, char** argv) {
    if (const std::optional<int> done = cli::runInfoCommand(argc, argv)) return *done;
    if (cli::isExportCommand(argc, argv)) return cli::runExportCommand(argc, argv);
    QApplication app(argc, argv);
    // The program ends when both of its windows are unloaded, not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    // The desktop's menu entry and the windows share the name and the emblem.
    QGuiApplication::setDesktopFileName(QStringLiteral("brisrundan"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/Logo.png")));
    // Qt's own dialogs and buttons (file dialogs, Ja/Nej) speak Swedish, as the desk does.
    // The distribution ships them as qtbase_sv or, in Debian's Qt 6.4, as the one catalog qt_sv.
    QTranslator qtSwedish;
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qtSwedish.load(swedish, QStringLiteral("qtbase"), QStringLiteral("_"), folder) ||
        qtSwedish.load(swedish, QStringLiteral("qt"), QStringLiteral("_"), folder))
        QApplication::installTranslator(&qtSwedish);

    platform::QtPlatform qt(
        home::raceFileHome(QCoreApplication::applicationDirPath(),
                           QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
    platform::Platform platform = qt.platform();
    frmMain desk(platform);
    desk.onEnded = [] { QApplication::quit(); };
    desk.setActivateOnWindowActivation(true);
    desk.Form_Load();
    desk.show();
    // The first activation loads the race at once: a desktop without a window manager may never
    // report the window as active.
    desk.Form_Activate();
    if (!desk.isLoaded()) return 1;
    return QApplication::exec();
}
