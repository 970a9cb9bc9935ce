#pragma once
#include <climits>

namespace platform {

constexpr int TwipsPerPixel = 15;
// A screen that reports this available height never limits how far a window is scaled.
constexpr int UnlimitedHeightTwips = INT_MAX;

class Screen {
public:
    virtual ~Screen() = default;
    virtual int widthTwips() = 0;
    // The height that windows may use: the screen's height less the desktop's panels.
    virtual int availableHeightTwips() = 0;
};

} // namespace platform
