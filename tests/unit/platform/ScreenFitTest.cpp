// The scale factor of both windows on today's screens, and moving a window up onto the screen.
#include "ScreenFit.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr int px = TwipsPerPixel;
// The lowest design point of each window: the desk stays at its scaled top, the result window moves up.
constexpr double DeskBottom = 825 + 7050;
constexpr double ResultHeight = 6645;
constexpr double ResultTop = 1170;

struct Case {
    int width, height; // pixels; the whole height is available
    double desk;       // expected factors
    double result;
    double resultTop; // twips, after moving up
};

const Case Screens[] = {
    {1024, 768, 1.28, 1.28, 1170 * 1.28}, // 4:3 keeps the width's factor and the result window's place
    {1366, 768, 10920.0 / 7875, 10920.0 / 6645, 0},
    {1920, 1080, 15600.0 / 7875, 15600.0 / 6645, 0},
    {2560, 1440, 21000.0 / 7875, 21000.0 / 6645, 0},
};

// Worked by hand: the factor of the width (pixels / 800) unless the window's lowest point and its frame
// would pass the screen's height, then the factor that makes them fill it exactly.
TEST(ScreenFit, BothWindowsFitTodaysScreensAndFourByThreeKeepsTheWidthFactor) {
    for (const Case& c : Screens) {
        const int w = c.width * px, h = c.height * px;
        EXPECT_NEAR(screenCorrFor(w, h, DeskBottom), c.desk, 1e-5) << c.width;
        const double result = screenCorrFor(w, h, ResultHeight);
        EXPECT_NEAR(result, c.result, 1e-5) << c.width;
        EXPECT_NEAR(topOnScreen(ResultTop * result, ResultHeight * result, h), c.resultTop, 0.01) << c.width;
    }
}

TEST(ScreenFit, AWindowMovesUpOnlyAsFarAsNeededAndNeverAboveTheScreen) {
    struct Move {
        double top, height;
        int available;
        double expected;
    };
    const Move moves[] = {
        {1000, 5000, 9000, 1000}, // fits where it is
        {1000, 8000, 9000, 400},  // bottom + frame reach exactly the available height
        {1000, 9000, 9000, 0},    // taller than the screen: its top stays on the screen
    };
    for (const Move& m : moves)
        EXPECT_DOUBLE_EQ(topOnScreen(m.top, m.height, m.available), m.expected) << m.height;
}

} // namespace

// The help during a race: beside the desk where there is room, never over the sail-number box.
TEST(ScreenFit, HelpOpensBesideTheDeskOrLeftOfTheSailNumberBox) {
    struct Case {
        int deskLeft, deskRight, boxLeft, screen;
        Span expected;
    } const cases[] = {
        {0, 1109, 500, 1366, {1109, 257}}, // room on the right, less than wanted
        {100, 900, 460, 1920, {900, 480}}, // plenty on the right
        {420, 1366, 780, 1366, {0, 420}},  // no room right: left of the desk
        {10, 1270, 420, 1280, {10, 410}},  // no room beside: over the desk, up to the box
        {0, 1280, 120, 1280, {0, 120}},
    };
    for (const Case& c : cases) {
        const Span s = helpBesideDesk(c.deskLeft, c.deskRight, c.boxLeft, c.screen, 480, 240);
        EXPECT_EQ(s.left, c.expected.left) << c.deskLeft << " " << c.screen;
        EXPECT_EQ(s.width, c.expected.width) << c.deskLeft << " " << c.screen;
    }
}
