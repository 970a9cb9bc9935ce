#include "ScreenFit.h"

#include <gtest/gtest.h>

using namespace platform;

// Worked by hand: the width's factor (pixels / 800), unless the window and its frame would then pass the
// screen's height, which they fill exactly instead.
TEST(ScreenFit, BothWindowsFitTheScreenAndFourByThreeKeepsTheWidthFactor) {
    const double deskBottom = 825 + 7050, resultTop = 1170, resultHeight = 6645; // twips
    const struct {
        int width, height; // pixels; the whole height is available
        double desk, result, resultTop;
    } screens[] = {{1024, 768, 1.28, 1.28, 1170 * 1.28}, {2560, 1440, 21000.0 / 7875, 21000.0 / 6645, 0}};
    for (const auto& s : screens) {
        const int w = s.width * TwipsPerPixel, h = s.height * TwipsPerPixel;
        EXPECT_NEAR(screenCorrFor(w, h, deskBottom), s.desk, 1e-5) << s.width;
        const double result = screenCorrFor(w, h, resultHeight);
        EXPECT_NEAR(result, s.result, 1e-5) << s.width;
        EXPECT_NEAR(topOnScreen(resultTop * result, resultHeight * result, h), s.resultTop, 0.01) << s.width;
    }
    // Up only as far as needed; a window taller than the screen keeps its top on it.
    EXPECT_DOUBLE_EQ(topOnScreen(1000, 5000, 9000), 1000);
    EXPECT_DOUBLE_EQ(topOnScreen(1000, 8000, 9000), 400);
    EXPECT_DOUBLE_EQ(topOnScreen(1000, 9000, 9000), 0);
}

// The help during a race: beside the desk where there is room, never over the sail-number box.
TEST(ScreenFit, HelpOpensBesideTheDeskOrLeftOfTheSailNumberBox) {
    const struct {
        int deskLeft, deskRight, boxLeft, screen, left, width;
    } cases[] = {
        {0, 1109, 500, 1366, 1109, 257}, // room on the right, less than wanted
        {100, 900, 460, 1920, 900, 480}, // plenty on the right
        {420, 1366, 780, 1366, 0, 420},  // no room right: left of the desk
        {10, 1270, 420, 1280, 10, 410},  // no room beside: over the desk, up to the box
        {0, 1280, 120, 1280, 0, 120},
    };
    for (const auto& c : cases) {
        const Span s = helpBesideDesk(c.deskLeft, c.deskRight, c.boxLeft, c.screen, 480, 240);
        EXPECT_EQ(std::pair(s.left, s.width), std::pair(c.left, c.width)) << c.deskLeft << " " << c.screen;
    }
}
