#pragma once
#include <QString>

namespace platform {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing and returns at once; a missing file plays nothing and reports nothing.
    virtual void play(const QString& path) = 0;
};

} // namespace platform
