#include "QtPlatform.h"

#include "QtDialogs.h"
#include "QtPrinterPort.h"
#include "QtSound.h"
#include "QtSystem.h"

namespace platform {

struct QtPlatform::Impl {
    QtDialogs dialogs;
    QtClock clock;
    QtSound sound;
    QtPrinterPort printer;
    QtScreen screen;
    QtAppInfo app;
};

QtPlatform::QtPlatform() : d(std::make_unique<Impl>()) {}
QtPlatform::~QtPlatform() = default;

Platform QtPlatform::platform() {
    return Platform{d->dialogs, d->clock, d->sound, d->printer, d->screen, d->app};
}

} // namespace platform
