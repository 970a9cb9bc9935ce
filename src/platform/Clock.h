#pragma once
#include <QDateTime>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Local wall-clock time in whole seconds.
    virtual QDateTime now() = 0;
};

} // namespace platform
