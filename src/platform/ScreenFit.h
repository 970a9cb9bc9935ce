#pragma once
// How far a window laid out for the 800-pixel design screen is scaled on the screen at hand. The factor
// follows the screen's width, as on the 4:3 screens the desk was made for; a wide screen is not high
// enough for that, so the factor stops where the window, frame included, still fits the height that the
// desktop leaves for windows.
#include "Screen.h"

#include <algorithm>

namespace platform {

// The windows' design width: 800 pixels.
constexpr int DesignWidthTwips = 12000;
// Room for the title bar and the borders that the desktop puts around a window (40 pixels).
constexpr double WindowFrameTwips = 600;

// screenCorr for a window whose lowest point at design size lies designBottomTwips below the top of the
// screen: its top plus its height, or its height alone for a window that moves up to fit.
inline float screenCorrFor(int widthTwips, int availableHeightTwips, double designBottomTwips) {
    const double byWidth = static_cast<double>(widthTwips) / DesignWidthTwips;
    const double byHeight = (availableHeightTwips - WindowFrameTwips) / designBottomTwips;
    return static_cast<float>(std::min(byWidth, byHeight));
}

inline float screenCorrFor(Screen& screen, double designBottomTwips) {
    return screenCorrFor(screen.widthTwips(), screen.availableHeightTwips(), designBottomTwips);
}

// The top at which a window of the given height, frame included, ends within the available height: its
// own top when it fits there, else as far up as needed, but never above the top of the screen.
inline double topOnScreen(double top, double height, int availableHeightTwips) {
    return std::max(0.0, std::min(top, availableHeightTwips - WindowFrameTwips - height));
}

// Across the screen, in pixels: where the help opens during a race. Beside the desk where the screen
// has room for it (at least `least` wide, at most `wanted`), the right side first; else over the desk's
// left part, ending where the sail-number box begins, so that the box is never covered.
struct Span {
    int left;
    int width;
};
inline Span helpBesideDesk(int deskLeft, int deskRight, int boxLeft, int screenWidth, int wanted, int least) {
    const int right = screenWidth - deskRight;
    if (right >= least) return {deskRight, std::min(wanted, right)};
    if (deskLeft >= least) {
        const int width = std::min(wanted, deskLeft);
        return {deskLeft - width, width};
    }
    const int left = std::max(0, deskLeft);
    return {left, std::max(0, std::min(wanted, boxLeft - left))};
}

} // namespace platform
