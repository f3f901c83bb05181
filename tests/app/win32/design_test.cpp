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

// The resolutions the suite runs at, and the design at each of them,
// written out rather than computed from the design table, so that a change
// to the table that moves a control by one pixel at any of them fails here.
constexpr int kDpis[] = {96, 120, 144, 192};

// Each edge is the nearest pixel to its twips, halves up.
struct Placed {
    int id;
    tolbrek::PixelRect at[std::size(kDpis)];
};
constexpr Placed kPlaced[] = {
    {IDC_LABEL1, {{16, 40, 161, 17}, {20, 50, 201, 21}, {24, 60, 242, 26}, {32, 80, 322, 34}}},
    {IDC_TXTBULWT, {{32, 64, 145, 26}, {40, 80, 181, 33}, {48, 96, 218, 39}, {64, 128, 290, 52}}},
    {IDC_LABEL2, {{16, 112, 161, 17}, {20, 140, 201, 21}, {24, 168, 242, 26}, {32, 224, 322, 34}}},
    {IDC_TXTPDRCHG,
     {{32, 136, 145, 26}, {40, 170, 181, 33}, {48, 204, 218, 39}, {64, 272, 290, 52}}},
    {IDC_LABEL3, {{16, 184, 161, 17}, {20, 230, 201, 21}, {24, 276, 242, 26}, {32, 368, 322, 34}}},
    {IDC_TXTVEL, {{32, 208, 145, 26}, {40, 260, 181, 33}, {48, 312, 218, 39}, {64, 416, 290, 52}}},
    {IDC_LABEL4, {{16, 256, 161, 17}, {20, 320, 201, 21}, {24, 384, 242, 26}, {32, 512, 322, 34}}},
    {IDC_TXTGUNWT,
     {{32, 280, 145, 26}, {40, 350, 181, 33}, {48, 420, 218, 39}, {64, 560, 290, 52}}},
    {IDC_CMDCALC, {{16, 440, 161, 33}, {20, 550, 201, 41}, {24, 660, 242, 50}, {32, 880, 322, 66}}},
    {IDC_LABEL5, {{16, 480, 161, 33}, {20, 600, 201, 41}, {24, 720, 242, 50}, {32, 960, 322, 66}}},
    {IDC_TXTCALUC,
     {{16, 520, 161, 25}, {20, 650, 201, 31}, {24, 780, 242, 38}, {32, 1040, 322, 50}}},
    {IDC_CMDCLEAR,
     {{16, 632, 169, 33}, {20, 790, 211, 41}, {24, 948, 254, 50}, {32, 1264, 338, 66}}},
    {IDC_LABEL6, {{16, 312, 25, 41}, {20, 390, 31, 51}, {24, 468, 38, 62}, {32, 624, 50, 82}}},
    {IDC_LABEL7, {{48, 312, 129, 49}, {60, 390, 161, 61}, {72, 468, 194, 74}, {96, 624, 258, 98}}},
    {IDC_LABEL8, {{8, 64, 25, 33}, {10, 80, 31, 41}, {12, 96, 38, 50}, {16, 128, 50, 66}}},
    {IDC_LABEL9, {{8, 136, 25, 33}, {10, 170, 31, 41}, {12, 204, 38, 50}, {16, 272, 50, 66}}},
    {IDC_LABEL10, {{8, 208, 25, 33}, {10, 260, 31, 41}, {12, 312, 38, 50}, {16, 416, 50, 66}}},
    {IDC_LABEL11, {{8, 280, 25, 33}, {10, 350, 31, 41}, {12, 420, 38, 50}, {16, 560, 50, 66}}},
    {IDC_LABEL12,
     {{16, 552, 161, 41}, {20, 690, 201, 51}, {24, 828, 242, 62}, {32, 1104, 322, 82}}},
    {IDC_TXTENERGY,
     {{16, 592, 161, 25}, {20, 740, 201, 31}, {24, 888, 242, 38}, {32, 1184, 322, 50}}},
    {IDC_LABEL13, {{149, 8, 257, 25}, {186, 10, 321, 31}, {223, 12, 385, 38}, {297, 16, 514, 50}}},
    {IDC_TXTCALIB,
     {{16, 408, 161, 27}, {20, 510, 201, 34}, {24, 612, 242, 41}, {32, 816, 322, 54}}},
    {IDC_LABEL14, {{16, 384, 161, 17}, {20, 480, 201, 21}, {24, 576, 242, 26}, {32, 768, 322, 34}}},
    {IDC_LIST1,
     {{216, 64, 313, 184}, {270, 80, 391, 230}, {324, 96, 470, 276}, {432, 128, 626, 368}}},
    {IDC_CMDPOPULATE,
     {{216, 256, 121, 33}, {270, 320, 151, 41}, {324, 384, 182, 50}, {432, 512, 242, 66}}},
    {IDC_CMDSAVE,
     {{408, 256, 121, 33}, {510, 320, 151, 41}, {612, 384, 182, 50}, {816, 512, 242, 66}}},
    {IDC_TEXT1,
     {{216, 296, 321, 129}, {270, 370, 401, 161}, {324, 444, 482, 194}, {432, 592, 642, 258}}},
    {IDC_TEXT2,
     {{216, 432, 321, 49}, {270, 540, 401, 61}, {324, 648, 482, 74}, {432, 864, 642, 98}}},
};
static_assert(std::size(kPlaced) == kWindowDesign.size());

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

const wchar_t* ClassFor(ControlKind kind)
{
    switch (kind) {
        case ControlKind::Label:
            return L"Static";
        case ControlKind::TextBox:
        case ControlKind::LockedTextBox:
        case ControlKind::HelpPanel:
            return L"Edit";
        case ControlKind::ListBox:
            return L"ListBox";
        case ControlKind::Button:
            break;
    }
    return L"Button";
}

std::wstring ClassOf(HWND control)
{
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
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
        EXPECT_EQ(ClassOf(box), ClassFor(design.kind));
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
        if (ClassOf(box) == L"Edit") {
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

TEST_F(DesignTest, every_control_stands_where_the_design_puts_it)
{
    const std::size_t column = DpiColumn(dpi());
    for (const Placed& placed : kPlaced) {
        EXPECT_EQ(PlaceOf(control(placed.id)), placed.at[column]) << placed.id;
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
    const auto depth = [this](int id) {
        int place = 0;
        for (HWND child = GetWindow(window(), GW_CHILD); child != control(id);
             child = GetWindow(child, GW_HWNDNEXT)) {
            ++place;
        }
        return place;
    };
    for (const auto& [label, box] : {std::pair{IDC_LABEL8, IDC_TXTBULWT},
                                     {IDC_LABEL9, IDC_TXTPDRCHG},
                                     {IDC_LABEL10, IDC_TXTVEL},
                                     {IDC_LABEL11, IDC_TXTGUNWT},
                                     {IDC_LABEL12, IDC_TXTENERGY}}) {
        EXPECT_LT(depth(box), depth(label)) << label;
    }
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
    SetText(control(IDC_TXTBULWT), "150");
    SetText(control(IDC_TXTPDRCHG), "50");
    SetText(control(IDC_TXTVEL), "2800");
    SetText(control(IDC_TXTGUNWT), "8");
    Click(IDC_CMDCALC);
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
    for (const int button : {IDC_CMDCALC, IDC_CMDCLEAR, IDC_CMDPOPULATE, IDC_CMDSAVE}) {
        EXPECT_LE(extent(control(button)), PlaceOf(control(button)).width - 8) << button;
    }
    for (const int result : {IDC_TXTCALUC, IDC_TXTENERGY}) {
        RECT format{};
        SendMessageW(control(result), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
        EXPECT_FALSE(Text(control(result)).empty());
        EXPECT_LE(extent(control(result)), format.right - format.left) << result;
    }
    for (const auto& [panel, lines] : {std::pair{IDC_TEXT1, 7}, {IDC_TEXT2, 2}}) {
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
