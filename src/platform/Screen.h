#pragma once

namespace platform {

constexpr int TwipsPerPixel = 15;

class Screen {
public:
    virtual ~Screen() = default;
    virtual int widthTwips() = 0;
};

} // namespace platform
