// The window as designed, at the screen's resolution (the suite runs at 96,
// 120, 144 and 192 dpi): every control's class, place, font, text, style and
// colours, the tab order, which control lies on top, and every caption
// readable in full.

#include <algorithm>
#include <iterator>
#include <ostream>
#include <stdexcept>

#include "colour_ref.h"
#include "painting.h"
#include "window_fixture.h"

namespace tolbrek {

// A place in a failure as left, top, width and height.
void PrintTo(const PixelRect& place, std::ostream* out)
{
    *out << place.left << ", " << place.top << ", " << place.width << " x " << place.height;
}

}  // namespace tolbrek

namespace {

using tolbrek::ControlDesign;
using tolbrek::ControlKind;
using tolbrek::kWindowDesign;

// The resolutions the suite runs at.
constexpr int kDpis[] = {96, 120, 144, 192};

// Font heights in pixels: the pixels at 96 dpi grown with the resolution,
// halves down, so that no text grows faster than its box.
struct Sized {
    double points;
    int pixels[std::size(kDpis)];
};
constexpr Sized kFontPixels[] = {{9.75, {13, 16, 19, 26}},
                                 {12, {16, 20, 24, 32}},
                                 {14.25, {19, 24, 28, 38}},
                                 {24, {32, 40, 48, 64}},
                                 {48, {64, 80, 96, 128}}};

// The column of the tables above for a resolution.
std::size_t DpiColumn(int dpi)
{
    const auto* found = std::find(std::begin(kDpis), std::end(kDpis), dpi);
    if (found == std::end(kDpis)) throw std::invalid_argument("no figures at this dpi");
    return static_cast<std::size_t>(found - std::begin(kDpis));
}

int FontPixels(double points, int dpi)
{
    for (const Sized& size : kFontPixels) {
        if (size.points == points) return size.pixels[DpiColumn(dpi)];
    }
    throw std::invalid_argument("no figures for this font size");
}

RECT RectOf(const tolbrek::PixelRect& place)
{
    return {place.left, place.top, place.left + place.width, place.top + place.height};
}

// A control's place in the client area of its window.
tolbrek::PixelRect PlaceOf(HWND control)
{
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

LOGFONTW FontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

// Ink of a caption painted with no clipping into a white bitmap with room
// all round: the rows and columns it marks, in the box's own coordinates.
struct Ink {
    RECT bounds{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    bool hasTextColour = false;
};

Ink InkOf(const ControlDesign& design, HFONT font, int dpi, COLORREF text)
{
    constexpr int kRoom = 60;
    const tolbrek::PixelRect place = tolbrek::PixelsFromTwips(design.place, dpi);
    const int width = place.width + 2 * kRoom;
    const int height = place.height + 2 * kRoom;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const RECT box{kRoom, kRoom, kRoom + place.width, kRoom + place.height};
    tolbrek::PaintCaption(dc, box, design, font, dpi, text);
    Ink ink;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            if (pixel == RGB(255, 255, 255)) continue;
            ink.hasTextColour = ink.hasTextColour || pixel == text;
            ink.bounds = {std::min<LONG>(ink.bounds.left, x - kRoom),
                          std::min<LONG>(ink.bounds.top, y - kRoom),
                          std::max<LONG>(ink.bounds.right, x - kRoom + 1),
                          std::max<LONG>(ink.bounds.bottom, y - kRoom + 1)};
        }
    }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return ink;
}

}  // namespace

using DesignTest = WindowFixture;

TEST_F(DesignTest, the_window_has_its_title_and_a_fixed_client_size)
{
    EXPECT_EQ(Text(window()), tolbrek::kWindowTitle);
    RECT client{};
    GetClientRect(window(), &client);
    EXPECT_EQ(client.right, tolbrek::PixelsFromTwips(tolbrek::kClientWidthTwips, dpi()));
    EXPECT_EQ(client.bottom, tolbrek::PixelsFromTwips(tolbrek::kClientHeightTwips, dpi()));
    EXPECT_FALSE(GetWindowLongW(window(), GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX));
}

TEST_F(DesignTest, every_control_is_as_designed)
{
    for (const ControlDesign& design : kWindowDesign) {
        SCOPED_TRACE(std::string(design.name));
        const HWND box = control(design);
        ASSERT_TRUE(box);
        EXPECT_EQ(Text(box), design.caption);

        const LOGFONTW font = FontOf(box);
        EXPECT_EQ(font.lfHeight, -FontPixels(design.points, dpi()));
        EXPECT_EQ(font.lfWeight, design.bold ? FW_BOLD : FW_NORMAL);
        EXPECT_EQ(font.lfItalic != 0, design.italic);
        EXPECT_TRUE(!font.lfUnderline && !font.lfStrikeOut);
        const std::wstring face = font.lfFaceName;
        EXPECT_TRUE(face == L"Arial" || face == L"Liberation Sans");

        const LONG style = GetWindowLongW(box, GWL_STYLE);
        EXPECT_EQ(IsWindowEnabled(box) == FALSE, design.kind == ControlKind::HelpPanel);
        if (design.field || design.kind == ControlKind::HelpPanel) {
            EXPECT_EQ((style & ES_READONLY) != 0, design.kind == ControlKind::LockedTextBox);
            EXPECT_EQ((style & ES_MULTILINE) != 0, design.kind == ControlKind::HelpPanel);
        }
        EXPECT_TRUE(style & WS_CLIPSIBLINGS);
        if (design.kind == ControlKind::Label) {
            EXPECT_TRUE(style & SS_NOPREFIX);  // no caption defines an access key
        }
        if (design.kind == ControlKind::Button) {
            EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);  // none is a default button
        }
        if (design.kind == ControlKind::ListBox) {
            EXPECT_FALSE(style & LBS_SORT);
        }
        if (design.field) {
            EXPECT_GT(SendMessageW(box, EM_GETLIMITTEXT, 0, 0), 32767);
        }
    }
}

// Where the design table puts it at this resolution: the table itself is
// held to the design's pixels at the four resolutions by its own test.
TEST_F(DesignTest, every_control_stands_where_the_design_puts_it)
{
    for (const ControlDesign& design : kWindowDesign) {
        EXPECT_EQ(PlaceOf(control(design)), tolbrek::PixelsFromTwips(design.place, dpi()))
            << design.name;
    }
}

// Each text box and help panel is coloured as its parent says.
TEST_F(DesignTest, boxes_take_the_colours_of_the_design)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    for (const ControlDesign& design : kWindowDesign) {
        if (!design.field && design.kind != ControlKind::HelpPanel) continue;
        SCOPED_TRACE(std::string(design.name));
        const UINT message =
            design.kind == ControlKind::TextBox ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
        const auto brush =
            reinterpret_cast<HBRUSH>(SendMessageW(window(), message, reinterpret_cast<WPARAM>(dc),
                                                  reinterpret_cast<LPARAM>(control(design))));
        LOGBRUSH fill{};
        GetObjectW(brush, sizeof fill, &fill);
        const COLORREF background = tolbrek::ColourRefOr(design.background, COLOR_WINDOW);
        EXPECT_EQ(fill.lbColor, background);
        EXPECT_EQ(GetBkColor(dc), background);
        EXPECT_EQ(GetTextColor(dc), tolbrek::ColourRefOr(design.text, COLOR_WINDOWTEXT));
    }
    DeleteDC(dc);
}

TEST_F(DesignTest, tab_and_shift_tab_follow_the_design)
{
    std::vector<HWND> order;
    for (const ControlDesign& design : kWindowDesign) {
        if (tolbrek::TakesFocus(design.kind)) order.push_back(control(design));
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        const HWND next = order[(i + 1) % order.size()];
        EXPECT_EQ(GetNextDlgTabItem(window(), order[i], FALSE), next) << i;
        EXPECT_EQ(GetNextDlgTabItem(window(), next, TRUE), order[i]) << i;
    }
}

TEST_F(DesignTest, text_boxes_lie_above_the_labels_they_overlap)
{
    const auto depth = [this](HWND control) {
        int place = 0;
        for (HWND child = GetWindow(window(), GW_CHILD); child != control;
             child = GetWindow(child, GW_HWNDNEXT)) {
            ++place;
        }
        return place;
    };
    int overlaps = 0;
    for (const ControlDesign& label : kWindowDesign) {
        if (label.kind != ControlKind::Label) continue;
        for (const ControlDesign& box : kWindowDesign) {
            if (box.kind == ControlKind::Label) continue;
            RECT both{};
            const RECT first = RectOf(PlaceOf(control(label)));
            const RECT second = RectOf(PlaceOf(control(box)));
            if (!IntersectRect(&both, &first, &second)) continue;
            ++overlaps;
            EXPECT_LT(depth(control(box)), depth(control(label))) << label.name << ", " << box.name;
        }
    }
    EXPECT_EQ(overlaps, 5);  // the four stars beside their fields, Label12 above txtEnergy
}

// Every caption's ink lies inside its box, in the design's colour.
TEST_F(DesignTest, every_caption_reads_whole)
{
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        const ControlDesign& design = kWindowDesign[index];
        if (design.kind != ControlKind::Label) continue;
        SCOPED_TRACE(std::string(design.name));
        const tolbrek::PixelRect place = tolbrek::PixelsFromTwips(design.place, dpi());
        const COLORREF text = tolbrek::ColourRefOr(design.text, COLOR_WINDOWTEXT);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control(design), WM_GETFONT, 0, 0));
        const Ink ink = InkOf(design, font, dpi(), text);
        EXPECT_TRUE(ink.hasTextColour);
        EXPECT_GE(ink.bounds.left, 0);
        EXPECT_GE(ink.bounds.top, 0);
        EXPECT_LE(ink.bounds.right, place.width);
        EXPECT_LE(ink.bounds.bottom, place.height);
    }
}

// Buttons and the results of the worked load show their whole text, and
// the help panels their whole text without a line more than designed.
TEST_F(DesignTest, every_text_fits_its_box)
{
    SetText(control("txtBulwt"), "150");
    SetText(control("txtPdrchg"), "50");
    SetText(control("txtVel"), "2800");
    SetText(control("txtGunwt"), "8");
    Click("cmdCalc");
    const HDC dc = GetDC(window());
    const auto extent = [dc](HWND box) {
        const HGDIOBJ previous =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
        const std::wstring text = tolbrek::WideFromUtf8(Text(box));
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        SelectObject(dc, previous);
        return size.cx;
    };
    for (const ControlDesign& design : kWindowDesign) {
        const HWND box = control(design);
        if (design.kind == ControlKind::Button) {
            EXPECT_LE(extent(box), PlaceOf(box).width - 8) << design.name;
        } else if (design.kind == ControlKind::LockedTextBox) {
            RECT format{};
            SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
            EXPECT_FALSE(Text(box).empty());
            EXPECT_LE(extent(box), format.right - format.left) << design.name;
        }
    }
    for (const auto& [panel, lines] : {std::pair{"Text1", 7}, {"Text2", 2}}) {
        RECT format{};
        SendMessageW(control(panel), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        const HGDIOBJ previous = SelectObject(
            dc, reinterpret_cast<HFONT>(SendMessageW(control(panel), WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        const std::wstring text = tolbrek::WideFromUtf8(Text(control(panel)));
        RECT needed = format;
        DrawTextW(dc, text.c_str(), -1, &needed,
                  DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
        SelectObject(dc, previous);
        EXPECT_EQ(needed.bottom - needed.top, lines * metrics.tmHeight) << panel;
        EXPECT_LE(needed.bottom, format.bottom) << panel;
    }
    ReleaseDC(window(), dc);
}

// On a screen with room for it, the window starts at the design position,
// laid out at the screen's resolution, inside the work area.
TEST_F(DesignTest, the_window_starts_at_the_design_position_inside_the_work_area)
{
    RECT frame{};
    GetWindowRect(window(), &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window(), MONITOR_DEFAULTTONEAREST), &monitor);
    RECT inside{};
    IntersectRect(&inside, &frame, &monitor.rcWork);
    EXPECT_TRUE(EqualRect(&inside, &frame));
    EXPECT_EQ(dpi(), static_cast<int>(GetDpiForWindow(window())));
    POINT client{0, 0};
    ClientToScreen(window(), &client);
    EXPECT_EQ(client.x, tolbrek::PixelsFromTwips(tolbrek::kDesignLeftTwips, dpi()));
    EXPECT_EQ(client.y, tolbrek::PixelsFromTwips(tolbrek::kDesignTopTwips, dpi()));
}

// A move to a screen of another resolution scales every control and font;
// where the window would not fit the work area at that one, to the largest
// resolution at which it fits.
TEST_F(DesignTest, a_new_resolution_scales_every_control_as_far_as_the_work_area_allows)
{
    const int designed = dpi();
    RECT suggested{};
    GetWindowRect(window(), &suggested);
    for (const int screen : {designed == 120 ? 144 : 120, 4 * 96, designed}) {
        SCOPED_TRACE(screen);
        SendMessageW(window(), WM_DPICHANGED, MAKEWPARAM(screen, screen),
                     reinterpret_cast<LPARAM>(&suggested));
        RECT frame{};
        GetWindowRect(window(), &frame);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(window(), MONITOR_DEFAULTTONEAREST), &monitor);
        if (screen == 4 * 96) {
            EXPECT_LT(dpi(), screen);
            EXPECT_LE(frame.bottom, monitor.rcWork.bottom);
        } else {
            EXPECT_EQ(dpi(), screen);
        }
        for (const ControlDesign& design : kWindowDesign) {
            SCOPED_TRACE(std::string(design.name));
            EXPECT_EQ(PlaceOf(control(design)), tolbrek::PixelsFromTwips(design.place, dpi()));
            EXPECT_EQ(FontOf(control(design)).lfHeight, tolbrek::FontHeight(design.points, dpi()));
        }
    }
}
