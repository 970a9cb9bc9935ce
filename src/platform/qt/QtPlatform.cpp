#include "QtPlatform.h"

#include "QtDialogs.h"
#include "QtPrinterPort.h"
#include "QtSound.h"
#include "QtSystem.h"

namespace platform {

struct QtPlatform::Impl {
    explicit Impl(const QString& appPath) : app(appPath) {}
    QtDialogs dialogs;
    QtClock clock;
    QtSound sound;
    QtPrinterPort printer;
    QtScreen screen;
    QtAppInfo app;
    SilentPublishing publishing;
};

QtPlatform::QtPlatform(const QString& appPath) : d(std::make_unique<Impl>(appPath)) {}
QtPlatform::~QtPlatform() = default;

Platform QtPlatform::platform() {
    return Platform{d->dialogs, d->clock, d->sound, d->printer, d->screen, d->app, d->publishing};
}

} // namespace platform
