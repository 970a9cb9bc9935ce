#include "QtSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {
// The desk's design width, used when no screen can be asked.
constexpr int DesignWidthTwips = 12000;
} // namespace

QDateTime QtClock::now() {
    // Times are kept in whole seconds; a stray millisecond would show up in sailed times.
    const QDateTime t = QDateTime::currentDateTime();
    return t.addMSecs(-t.time().msec());
}

int QtScreen::widthTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int pixels = screen ? screen->geometry().width() : 0;
    return pixels > 0 ? pixels * TwipsPerPixel : DesignWidthTwips;
}

QString QtAppInfo::path() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

} // namespace platform
