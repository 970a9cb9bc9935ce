#pragma once
// The clock, the screen and the application directory as the running system gives them.
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
    int availableHeightTwips() override;
};

// App.Path is decided once, by the program when it starts (see src/app/home).
class QtAppInfo : public AppInfo {
public:
    explicit QtAppInfo(QString path) : path_(std::move(path)) {}
    QString path() override { return path_; }

private:
    QString path_;
};

} // namespace platform
