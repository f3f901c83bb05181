// The window fitted to the screen's work area: laid out at the screen's
// resolution where it fits, else at the largest that fits, and placed
// inside the work area, on the screens people use.

#include <gtest/gtest.h>

#include "window_design.h"
#include "window_fit.h"

using tolbrek::FrameExtents;
using tolbrek::ScreenRect;

namespace {

// A Windows title bar and borders at a screen's scale in percent.
FrameExtents WindowsFrame(int percent)
{
    const auto scaled = [percent](int pixels) { return (pixels * percent + 50) / 100; };
    return {scaled(3), scaled(27), scaled(3), scaled(3)};
}

// GNOME's title bar, in Qt's logical pixels at any scale.
constexpr FrameExtents kGnomeFrame{0, 37, 0, 0};

bool Inside(const ScreenRect& inner, const ScreenRect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

}  // namespace

TEST(WindowFit, the_largest_resolution_that_fits_the_work_area_and_a_place_inside_it)
{
    struct Screen {
        const char* what;
        int dpi;              // the screen's own, in the pixels of the work area
        ScreenRect workArea;  // the screen less its taskbar or top bar
        FrameExtents frame;
        int laidOutAt;
    };
    const Screen screens[] = {
        {"1920x1080 at 150 %, 48-pixel taskbar", 144, {0, 0, 1920, 1008}, WindowsFrame(150), 137},
        {"2560x1440 at 200 %, 48-pixel taskbar", 192, {0, 0, 2560, 1344}, WindowsFrame(200), 183},
        {"3840x2160 at 300 %, 48-pixel taskbar", 288, {0, 0, 3840, 2016}, WindowsFrame(300), 274},
        {"1366x768 at 100 %, 48-pixel taskbar", 96, {0, 0, 1366, 720}, WindowsFrame(100), 96},
        {"1366x768 at 125 %, 48-pixel taskbar", 120, {0, 0, 1366, 708}, WindowsFrame(125), 95},
        {"GNOME, 1920x1080 at 150 %, 32-pixel top bar", 96, {0, 32, 1280, 720}, kGnomeFrame, 92},
        {"GNOME, 1920x1080 at 200 %, 32-pixel top bar", 96, {0, 32, 960, 540}, kGnomeFrame, 67},
        {"2560x1600 at 200 %, room to spare", 192, {0, 0, 2560, 1600}, WindowsFrame(200), 192},
    };
    for (const Screen& screen : screens) {
        SCOPED_TRACE(screen.what);
        const tolbrek::WindowFit fit =
            tolbrek::FitWindow(screen.dpi, screen.workArea, screen.frame,
                               tolbrek::PixelsFromTwips(tolbrek::kDesignLeftTwips, screen.dpi),
                               tolbrek::PixelsFromTwips(tolbrek::kDesignTopTwips, screen.dpi));
        EXPECT_EQ(fit.dpi, screen.laidOutAt);
        EXPECT_TRUE(Inside(fit.outer, screen.workArea));
        EXPECT_EQ(fit.outer.bottom - fit.outer.top,
                  screen.frame.top +
                      tolbrek::PixelsFromTwips(tolbrek::kClientHeightTwips, fit.dpi) +
                      screen.frame.bottom);
    }
}

// Too small a work area even at 60 %: laid out at 60 %, the title bar on
// the screen, never a size of nothing.
TEST(WindowFit, a_work_area_too_small_for_any_sensible_size_keeps_the_title_bar_on_it)
{
    const ScreenRect tiny{0, 0, 320, 240};
    const tolbrek::WindowFit fit = tolbrek::FitWindow(96, tiny, WindowsFrame(100), 498, 93);
    EXPECT_EQ(fit.dpi, tolbrek::kSmallestLayoutDpi);
    EXPECT_EQ(fit.outer.left, 0);
    EXPECT_EQ(fit.outer.top, 0);
    EXPECT_GT(fit.outer.right, 0);
    EXPECT_GT(fit.outer.bottom, 0);
}

TEST(WindowFit, a_window_is_moved_as_little_as_needed_to_stay_inside)
{
    const ScreenRect work{0, 0, 1366, 728};
    const std::pair<ScreenRect, ScreenRect> cases[] = {
        {{495, 71, 1049, 769}, {495, 30, 1049, 728}},    // too low: up
        {{1000, 10, 1554, 300}, {812, 10, 1366, 300}},   // too far right: left
        {{-20, -5, 300, 300}, {0, 0, 320, 305}},         // off the top left: in
        {{990, 150, 2100, 1540}, {256, 0, 1366, 1390}},  // larger: top-left inside
        {{10, 10, 100, 100}, {10, 10, 100, 100}},        // inside: where it is
    };
    for (const auto& [window, kept] : cases) {
        EXPECT_EQ(tolbrek::KeptInside(window, work), kept) << window.left << "," << window.top;
    }
}
