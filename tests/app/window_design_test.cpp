// The design table against the window's design figures, written out here a
// second time on purpose: each window is tested against the table, so a
// slip in the table itself (a control a pixel off at some resolution, a
// font or a caption changed) would pass every window test unseen.

#include <gtest/gtest.h>

#include "window_design.h"

using tolbrek::kWindowDesign;

namespace {

// One control as designed: its place in twips, the same in pixels at 96 dpi,
// and its font.
struct Designed {
    std::string_view name;
    tolbrek::Twips twips;
    tolbrek::PixelRect pixels;
    double points;
    bool bold;
    bool italic;
};

// In tab order.
constexpr Designed kDesigned[] = {
    {"Label1", {240, 600, 2415, 255}, {16, 40, 161, 17}, 12, false, false},
    {"txtBulwt", {480, 960, 2175, 390}, {32, 64, 145, 26}, 12, false, false},
    {"Label2", {240, 1680, 2415, 255}, {16, 112, 161, 17}, 12, false, false},
    {"txtPdrchg", {480, 2040, 2175, 390}, {32, 136, 145, 26}, 12, false, false},
    {"Label3", {240, 2760, 2415, 255}, {16, 184, 161, 17}, 12, false, false},
    {"txtVel", {480, 3120, 2175, 390}, {32, 208, 145, 26}, 12, false, false},
    {"Label4", {240, 3840, 2415, 255}, {16, 256, 161, 17}, 12, false, false},
    {"txtGunwt", {480, 4200, 2175, 390}, {32, 280, 145, 26}, 12, false, false},
    {"cmdCalc", {240, 6600, 2415, 495}, {16, 440, 161, 33}, 14.25, true, false},
    {"Label5", {240, 7200, 2415, 495}, {16, 480, 161, 33}, 12, false, false},
    {"txtCaluc", {240, 7800, 2415, 375}, {16, 520, 161, 25}, 12, false, false},
    {"cmdClear", {240, 9480, 2535, 495}, {16, 632, 169, 33}, 12, true, false},
    {"Label6", {240, 4680, 375, 615}, {16, 312, 25, 41}, 48, false, false},
    {"Label7", {720, 4680, 1935, 735}, {48, 312, 129, 49}, 9.75, false, false},
    {"Label8", {120, 960, 375, 495}, {8, 64, 25, 33}, 24, false, false},
    {"Label9", {120, 2040, 375, 495}, {8, 136, 25, 33}, 24, false, false},
    {"Label10", {120, 3120, 375, 495}, {8, 208, 25, 33}, 24, false, false},
    {"Label11", {120, 4200, 375, 495}, {8, 280, 25, 33}, 24, false, false},
    {"Label12", {240, 8280, 2415, 615}, {16, 552, 161, 41}, 12, false, false},
    {"txtEnergy", {240, 8880, 2415, 375}, {16, 592, 161, 25}, 12, false, false},
    {"Label13", {2228, 120, 3855, 375}, {149, 8, 257, 25}, 14.25, false, true},
    {"txtCalib", {240, 6120, 2415, 405}, {16, 408, 161, 27}, 12, false, false},
    {"Label14", {240, 5760, 2415, 255}, {16, 384, 161, 17}, 12, false, false},
    {"List1", {3240, 960, 4695, 2760}, {216, 64, 313, 184}, 12, false, false},
    {"cmdPopulate", {3240, 3840, 1815, 495}, {216, 256, 121, 33}, 12, false, false},
    {"cmdSave", {6120, 3840, 1815, 495}, {408, 256, 121, 33}, 12, false, false},
    {"Text1", {3240, 4440, 4815, 1935}, {216, 296, 321, 129}, 9.75, false, false},
    {"Text2", {3240, 6480, 4815, 735}, {216, 432, 321, 49}, 12, true, false},
};
static_assert(std::size(kDesigned) == kWindowDesign.size());

}  // namespace

// The twips hold the places at every resolution; the pixels at 96 dpi prove
// that the rounding rule gives the designed pixels.
TEST(WindowDesign, every_control_stands_in_tab_order_where_it_is_designed)
{
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        const tolbrek::ControlDesign& control = kWindowDesign[index];
        const Designed& designed = kDesigned[index];
        SCOPED_TRACE(std::string(designed.name));
        EXPECT_EQ(control.name, designed.name);
        EXPECT_EQ(control.place.left, designed.twips.left);
        EXPECT_EQ(control.place.top, designed.twips.top);
        EXPECT_EQ(control.place.width, designed.twips.width);
        EXPECT_EQ(control.place.height, designed.twips.height);
        EXPECT_EQ(tolbrek::PixelsFromTwips(control.place, 96), designed.pixels);
        EXPECT_EQ(control.points, designed.points);
        EXPECT_EQ(control.bold, designed.bold);
        EXPECT_EQ(control.italic, designed.italic);
    }
}

TEST(WindowDesign, the_window_is_designed_551_by_673_pixels_at_498_93)
{
    EXPECT_EQ(tolbrek::kWindowTitle, "Tolbrek");
    EXPECT_EQ(tolbrek::PixelsFromTwips(tolbrek::kClientWidthTwips, 96), 551);
    EXPECT_EQ(tolbrek::PixelsFromTwips(tolbrek::kClientHeightTwips, 96), 673);
    EXPECT_EQ(tolbrek::kClientWidthTwips, 8265);
    EXPECT_EQ(tolbrek::kClientHeightTwips, 10095);
    EXPECT_EQ(tolbrek::kDesignLeftTwips, 7470);
    EXPECT_EQ(tolbrek::kDesignTopTwips, 1395);
}

// Each edge is rounded on its own, halves up, so that neighbours touching in
// twips touch in pixels at every resolution.
TEST(WindowDesign, twips_become_pixels_edge_by_edge_with_halves_rounded_up)
{
    struct Case {
        tolbrek::Twips twips;
        int dpi;
        tolbrek::PixelRect pixels;
    };
    constexpr Case kCases[] = {
        {{2228, 120, 3855, 375}, 96, {149, 8, 257, 25}},
        {{2228, 120, 3855, 375}, 144, {223, 12, 385, 38}},
        {{240, 7200, 2415, 495}, 120, {20, 600, 201, 41}},
        {{3240, 4440, 4815, 1935}, 192, {432, 592, 642, 258}},
        {{6, 18, 6, 12}, 120, {1, 2, 0, 1}},  // 0.5 and 1.5 pixels round up
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(tolbrek::PixelsFromTwips(c.twips, c.dpi), c.pixels)
            << c.twips.left << "," << c.twips.top << " at " << c.dpi << " dpi";
    }
}
