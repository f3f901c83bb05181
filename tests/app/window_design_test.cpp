// The design table against the window's design figures, written out here a
// second time on purpose, at the four resolutions the windows are tested
// at: each window is tested against the table, so a slip in the table itself
// (a control a pixel off at some resolution, a font, an id or a caption's
// field changed) would pass every window test unseen. This and the table
// are the only two places that list the controls.

#include <gtest/gtest.h>

#include <iterator>

#include "window_design.h"

using tolbrek::kWindowDesign;

namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

// One control as designed: its Windows id, its place in twips, the same in
// pixels at each resolution (each edge the nearest pixel to its twips,
// halves up), its font, and for an input field the label that captions it.
struct Designed {
    std::string_view name;
    int id;
    tolbrek::Twips twips;
    tolbrek::PixelRect pixels[std::size(kDpis)];
    double points;
    bool bold;
    bool italic;
    std::string_view label;
};

// In tab order.
// clang-format off
constexpr Designed kDesigned[] = {
    {"Label1", 100, {240, 600, 2415, 255}, {{16, 40, 161, 17}, {20, 50, 201, 21}, {24, 60, 242, 26}, {32, 80, 322, 34}}, 12, false, false, ""},
    {"txtBulwt", 101, {480, 960, 2175, 390}, {{32, 64, 145, 26}, {40, 80, 181, 33}, {48, 96, 218, 39}, {64, 128, 290, 52}}, 12, false, false, "Label1"},
    {"Label2", 102, {240, 1680, 2415, 255}, {{16, 112, 161, 17}, {20, 140, 201, 21}, {24, 168, 242, 26}, {32, 224, 322, 34}}, 12, false, false, ""},
    {"txtPdrchg", 103, {480, 2040, 2175, 390}, {{32, 136, 145, 26}, {40, 170, 181, 33}, {48, 204, 218, 39}, {64, 272, 290, 52}}, 12, false, false, "Label2"},
    {"Label3", 104, {240, 2760, 2415, 255}, {{16, 184, 161, 17}, {20, 230, 201, 21}, {24, 276, 242, 26}, {32, 368, 322, 34}}, 12, false, false, ""},
    {"txtVel", 105, {480, 3120, 2175, 390}, {{32, 208, 145, 26}, {40, 260, 181, 33}, {48, 312, 218, 39}, {64, 416, 290, 52}}, 12, false, false, "Label3"},
    {"Label4", 106, {240, 3840, 2415, 255}, {{16, 256, 161, 17}, {20, 320, 201, 21}, {24, 384, 242, 26}, {32, 512, 322, 34}}, 12, false, false, ""},
    {"txtGunwt", 107, {480, 4200, 2175, 390}, {{32, 280, 145, 26}, {40, 350, 181, 33}, {48, 420, 218, 39}, {64, 560, 290, 52}}, 12, false, false, "Label4"},
    {"cmdCalc", 108, {240, 6600, 2415, 495}, {{16, 440, 161, 33}, {20, 550, 201, 41}, {24, 660, 242, 50}, {32, 880, 322, 66}}, 14.25, true, false, ""},
    {"Label5", 109, {240, 7200, 2415, 495}, {{16, 480, 161, 33}, {20, 600, 201, 41}, {24, 720, 242, 50}, {32, 960, 322, 66}}, 12, false, false, ""},
    {"txtCaluc", 110, {240, 7800, 2415, 375}, {{16, 520, 161, 25}, {20, 650, 201, 31}, {24, 780, 242, 38}, {32, 1040, 322, 50}}, 12, false, false, ""},
    {"cmdClear", 111, {240, 9480, 2535, 495}, {{16, 632, 169, 33}, {20, 790, 211, 41}, {24, 948, 254, 50}, {32, 1264, 338, 66}}, 12, true, false, ""},
    {"Label6", 112, {240, 4680, 375, 615}, {{16, 312, 25, 41}, {20, 390, 31, 51}, {24, 468, 38, 62}, {32, 624, 50, 82}}, 48, false, false, ""},
    {"Label7", 113, {720, 4680, 1935, 735}, {{48, 312, 129, 49}, {60, 390, 161, 61}, {72, 468, 194, 74}, {96, 624, 258, 98}}, 9.75, false, false, ""},
    {"Label8", 114, {120, 960, 375, 495}, {{8, 64, 25, 33}, {10, 80, 31, 41}, {12, 96, 38, 50}, {16, 128, 50, 66}}, 24, false, false, ""},
    {"Label9", 115, {120, 2040, 375, 495}, {{8, 136, 25, 33}, {10, 170, 31, 41}, {12, 204, 38, 50}, {16, 272, 50, 66}}, 24, false, false, ""},
    {"Label10", 116, {120, 3120, 375, 495}, {{8, 208, 25, 33}, {10, 260, 31, 41}, {12, 312, 38, 50}, {16, 416, 50, 66}}, 24, false, false, ""},
    {"Label11", 117, {120, 4200, 375, 495}, {{8, 280, 25, 33}, {10, 350, 31, 41}, {12, 420, 38, 50}, {16, 560, 50, 66}}, 24, false, false, ""},
    {"Label12", 118, {240, 8280, 2415, 615}, {{16, 552, 161, 41}, {20, 690, 201, 51}, {24, 828, 242, 62}, {32, 1104, 322, 82}}, 12, false, false, ""},
    {"txtEnergy", 119, {240, 8880, 2415, 375}, {{16, 592, 161, 25}, {20, 740, 201, 31}, {24, 888, 242, 38}, {32, 1184, 322, 50}}, 12, false, false, ""},
    {"Label13", 120, {2228, 120, 3855, 375}, {{149, 8, 257, 25}, {186, 10, 321, 31}, {223, 12, 385, 38}, {297, 16, 514, 50}}, 14.25, false, true, ""},
    {"txtCalib", 121, {240, 6120, 2415, 405}, {{16, 408, 161, 27}, {20, 510, 201, 34}, {24, 612, 242, 41}, {32, 816, 322, 54}}, 12, false, false, "Label14"},
    {"Label14", 122, {240, 5760, 2415, 255}, {{16, 384, 161, 17}, {20, 480, 201, 21}, {24, 576, 242, 26}, {32, 768, 322, 34}}, 12, false, false, ""},
    {"List1", 123, {3240, 960, 4695, 2760}, {{216, 64, 313, 184}, {270, 80, 391, 230}, {324, 96, 470, 276}, {432, 128, 626, 368}}, 12, false, false, ""},
    {"cmdPopulate", 124, {3240, 3840, 1815, 495}, {{216, 256, 121, 33}, {270, 320, 151, 41}, {324, 384, 182, 50}, {432, 512, 242, 66}}, 12, false, false, ""},
    {"cmdSave", 125, {6120, 3840, 1815, 495}, {{408, 256, 121, 33}, {510, 320, 151, 41}, {612, 384, 182, 50}, {816, 512, 242, 66}}, 12, false, false, ""},
    {"Text1", 126, {3240, 4440, 4815, 1935}, {{216, 296, 321, 129}, {270, 370, 401, 161}, {324, 444, 482, 194}, {432, 592, 642, 258}}, 9.75, false, false, ""},
    {"Text2", 127, {3240, 6480, 4815, 735}, {{216, 432, 321, 49}, {270, 540, 401, 61}, {324, 648, 482, 74}, {432, 864, 642, 98}}, 12, true, false, ""},
};
// clang-format on
static_assert(std::size(kDesigned) == kWindowDesign.size());

}  // namespace

TEST(WindowDesign, every_control_stands_in_tab_order_where_it_is_designed)
{
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        const tolbrek::ControlDesign& control = kWindowDesign[index];
        const Designed& designed = kDesigned[index];
        SCOPED_TRACE(std::string(designed.name));
        EXPECT_EQ(control.name, designed.name);
        EXPECT_EQ(control.id, designed.id);
        EXPECT_EQ(control.place.left, designed.twips.left);
        EXPECT_EQ(control.place.top, designed.twips.top);
        EXPECT_EQ(control.place.width, designed.twips.width);
        EXPECT_EQ(control.place.height, designed.twips.height);
        for (std::size_t dpi = 0; dpi < std::size(kDpis); ++dpi) {
            EXPECT_EQ(tolbrek::PixelsFromTwips(control.place, kDpis[dpi]), designed.pixels[dpi])
                << kDpis[dpi] << " dpi";
        }
        EXPECT_EQ(control.points, designed.points);
        EXPECT_EQ(control.bold, designed.bold);
        EXPECT_EQ(control.italic, designed.italic);
        EXPECT_EQ(control.label, designed.label);
    }
}

TEST(WindowDesign, the_focus_starts_in_the_bullet_weight_and_the_list_is_list1)
{
    EXPECT_EQ(kWindowDesign[tolbrek::FirstFocusIndex()].name, "txtBulwt");
    EXPECT_EQ(kWindowDesign[tolbrek::ListIndex()].name, "List1");
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
    EXPECT_EQ(tolbrek::PixelsFromTwips({6, 18, 6, 12}, 120),
              (tolbrek::PixelRect{1, 2, 0, 1}));  // 0.5 and 1.5 pixels round up
}
