#pragma once
// The real platform: Qt's message boxes and file dialog, the system clock, QSoundEffect, the default
// printer, the primary screen, and the application directory that the program has chosen.
#include "Platform.h"

#include <QString>
#include <memory>

namespace platform {

class QtPlatform {
public:
    explicit QtPlatform(const QString& appPath);
    ~QtPlatform();
    Platform platform();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace platform
