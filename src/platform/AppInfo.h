#pragma once
#include <QString>

namespace platform {

class AppInfo {
public:
    virtual ~AppInfo() = default;
    // App.Path: the folder of the program, without a trailing separator.
    virtual QString path() = 0;
    QString title() const { return QStringLiteral("Brisrundan"); }
};

} // namespace platform
