#pragma once
// The clock, the screen and the program's folder as the running system gives them.
#include "AppInfo.h"
#include "Clock.h"
#include "Screen.h"

namespace platform {

class QtClock : public Clock {
public:
    QDateTime now() override;
};

class QtScreen : public Screen {
public:
    int widthTwips() override;
};

class QtAppInfo : public AppInfo {
public:
    QString path() override;
};

} // namespace platform
