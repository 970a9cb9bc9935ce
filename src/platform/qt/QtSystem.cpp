#include "QtSystem.h"

#include "ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

QDateTime QtClock::now() {
    // Times are kept in whole seconds; a stray millisecond would show up in sailed times.
    const QDateTime t = QDateTime::currentDateTime();
    return t.addMSecs(-t.time().msec());
}

int QtScreen::widthTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int pixels = screen ? screen->geometry().width() : 0;
    // Without a screen to ask, the design screen: nothing is scaled.
    return pixels > 0 ? pixels * TwipsPerPixel : DesignWidthTwips;
}

int QtScreen::availableHeightTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int pixels = screen ? screen->availableGeometry().height() : 0;
    return pixels > 0 ? pixels * TwipsPerPixel : UnlimitedHeightTwips;
}

} // namespace platform
