#pragma once
// Everything the windows reach outside themselves, handed to them when they are built.
#include "AppInfo.h"
#include "Clock.h"
#include "Dialogs.h"
#include "PrinterPort.h"
#include "Publishing.h"
#include "Screen.h"
#include "Sound.h"

namespace platform {

struct Platform {
    Dialogs& dialogs;
    Clock& clock;
    Sound& sound;
    PrinterPort& printer;
    Screen& screen;
    AppInfo& app;
    Publishing& publishing;
};

} // namespace platform
