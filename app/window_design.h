#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "command.h"
#include "load_list.h"

// The window of Tolbrek as data: every control with its place, font,
// colours, text and tab order. Both windows (Qt and Win32) are built from it
// and held to it by their tests, so they cannot drift apart.
namespace tolbrek {

// Places are designed in twips, 1/1440 inch: 15 twips to the pixel at 96 dpi.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Twips to pixels at a screen's dots per inch: each edge on its own, rounded
// to the nearest pixel with halves rounded up; a size is the difference of
// its edges, so neighbours that touch in twips touch in pixels.
constexpr int PixelsFromTwips(int twips, int dpi)
{
    return (twips * dpi + 720) / 1440;
}

constexpr PixelRect PixelsFromTwips(const Twips& place, int dpi)
{
    const int left = PixelsFromTwips(place.left, dpi);
    const int top = PixelsFromTwips(place.top, dpi);
    return {left, top, PixelsFromTwips(place.left + place.width, dpi) - left,
            PixelsFromTwips(place.top + place.height, dpi) - top};
}

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kLightGrey{224, 224, 224};
// The text of the disabled help panels: darker than the usual grey of a
// disabled control, so that it stays readable on light grey.
inline constexpr Rgb kPanelText{64, 64, 64};
// The colours of a control whose design gives none of its own: a light
// form under dark captions and buttons, white boxes holding dark text. The
// window keeps them whatever the desktop's colours are, so that a dark
// desktop theme never leaves blue digits on dark grey. (Windows keeps its
// system colours this light unless high contrast is on; the Windows window
// then takes all of the system's colours instead of the design's.)
inline constexpr Rgb kFormGrey{239, 239, 239};
inline constexpr Rgb kBoxWhite{255, 255, 255};
inline constexpr Rgb kDarkText{0, 0, 0};

enum class ControlKind {
    Label,          // static text, never takes the focus
    TextBox,        // single line, edited freely
    LockedTextBox,  // single line, selectable, only the commands write it
    HelpPanel,      // multi-line, wrapped, disabled
    ListBox,        // single lines, unsorted, one selected at most
    Button,         // runs its command once per press
};

enum class Align { Left, Centre };
// Where a caption stands in a box taller or shorter than its lines: a
// 12-point line is a pixel taller than the 17-pixel captions, so those sit
// on the bottom edge and lose blank space above the capitals, never a
// descender.
enum class VerticalAlign { Top, Middle, Bottom };

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    Twips place;
    double points;  // Arial, or its metric twin where Arial is absent
    bool bold;
    bool italic;
    std::optional<Rgb> text;        // none: the platform's standard colour
    std::optional<Rgb> background;  // none: the platform's standard colour
    Align align;
    VerticalAlign verticalAlign;
    std::string_view caption;         // a label's or button's caption, a panel's text
    std::optional<Command> command;   // what a button runs
    std::optional<LoadField> field;   // what a text box holds
    std::string_view accessibleName;  // what a screen reader says for a control that is no label
    // Fit-the-box adjustments, where a caption at its designed size is a
    // pixel too large for its box: letter spacing in pixels at 96 dpi, and
    // the line height of a wrapped caption in percent of the font's own.
    double letterSpacing = 0;
    int lineHeightPercent = 100;
    // The letter spacing, in pixels at 96 dpi, where text is measured in
    // whole pixels per character (Windows' GDI), which makes some captions
    // a pixel or two wider than where it is measured in fractions (Qt).
    double wholePixelLetterSpacing = 0;
};

inline constexpr std::string_view kWindowTitle = "Tolbrek";
inline constexpr int kClientWidthTwips = 8265;
inline constexpr int kClientHeightTwips = 10095;
// Where the top-left corner of the client area is first placed on the screen.
inline constexpr int kDesignLeftTwips = 7470;
inline constexpr int kDesignTopTwips = 1395;
// Where a failure heard after its command ended is shown: the room below
// the help panels, as wide as they are, down to the foot of Clear All. No
// control stands there, so the notice hides nothing the user works with.
inline constexpr Twips kLateNoticePlace{3240, 7320, 4815, 2655};

// The help panel's seven lines, each ending in CR LF.
inline constexpr std::string_view kHelpText =
    "Populate List: Will bring the data in from the fields \r\n"
    "and populate the List Box with the data.\r\n"
    "Save Data: Will open Notepad and populate Notepad \r\n"
    "with the data collected from the fields. Populate List \r\n"
    "must be used before Save Data is used. Once in \r\n"
    "Notepad the user has the option of saving the text \r\n"
    "file.\r\n";
static_assert(kHelpText.size() == 316);

// The 28 controls in tab order: a control's tab index is its place here.
// Known at compile time, so that what is built from it (the Windows
// control ids) is checked against it by the compiler.
// clang-format off
inline constexpr std::array<ControlDesign, 28> kWindowDesign = [] {
    using enum ControlKind;
    using enum Align;
    using enum VerticalAlign;
    constexpr std::nullopt_t kStandard = std::nullopt;
    constexpr std::nullopt_t kNone = std::nullopt;
    return std::array<ControlDesign, 28>{{
    {"Label1", Label, {240, 600, 2415, 255}, 12, false, false, kStandard, kStandard, Left, Bottom,
     "Bullet Weight Grains", kNone, kNone, ""},
    {"txtBulwt", TextBox, {480, 960, 2175, 390}, 12, false, false, kBlue, kStandard, Left, Middle,
     "", kNone, LoadField::Bullet, "Bullet Weight Grains"},
    {"Label2", Label, {240, 1680, 2415, 255}, 12, false, false, kStandard, kStandard, Left, Bottom,
     "Powder Charge Grains", kNone, kNone, "", -0.1, 100, -0.15},
    {"txtPdrchg", TextBox, {480, 2040, 2175, 390}, 12, false, false, kBlue, kStandard, Left, Middle,
     "", kNone, LoadField::Powder, "Powder Charge Grains"},
    {"Label3", Label, {240, 2760, 2415, 255}, 12, false, false, kStandard, kStandard, Left, Bottom,
     "Velocity (FPS)", kNone, kNone, ""},
    {"txtVel", TextBox, {480, 3120, 2175, 390}, 12, false, false, kBlue, kStandard, Left, Middle,
     "", kNone, LoadField::Velocity, "Velocity (FPS)"},
    {"Label4", Label, {240, 3840, 2415, 255}, 12, false, false, kStandard, kStandard, Left, Bottom,
     "Weight of Gun (Lbs)", kNone, kNone, ""},
    {"txtGunwt", TextBox, {480, 4200, 2175, 390}, 12, false, false, kBlue, kStandard, Left, Middle,
     "", kNone, LoadField::Gun, "Weight of Gun (Lbs)"},
    {"cmdCalc", Button, {240, 6600, 2415, 495}, 14.25, true, false, kStandard, kStandard, Centre,
     Middle, "Calculate", Command::Calculate, kNone, "Calculate"},
    {"Label5", Label, {240, 7200, 2415, 495}, 12, false, false, kStandard, kStandard, Centre, Top,
     "Free Recoil Energy  Calculated (LbFt)", kNone, kNone, "", 0, 80},
    {"txtCaluc", LockedTextBox, {240, 7800, 2415, 375}, 12, false, false, kBlue, kStandard, Left,
     Middle, "", kNone, LoadField::Recoil, "Free Recoil Energy Calculated (LbFt)"},
    {"cmdClear", Button, {240, 9480, 2535, 495}, 12, true, false, kStandard, kStandard, Centre,
     Middle, "Clear All", Command::ClearAll, kNone, "Clear All"},
    {"Label6", Label, {240, 4680, 375, 615}, 48, false, false, kRed, kStandard, Left, Top, "*",
     kNone, kNone, ""},
    {"Label7", Label, {720, 4680, 1935, 735}, 9.75, false, false, kRed, kStandard, Left, Top,
     "NOTE: All Input Fields Must Be Completed For Calculation.", kNone, kNone, "", 0, 100, -0.1},
    {"Label8", Label, {120, 960, 375, 495}, 24, false, false, kRed, kStandard, Left, Top, "*",
     kNone, kNone, ""},
    {"Label9", Label, {120, 2040, 375, 495}, 24, false, false, kRed, kStandard, Left, Top, "*",
     kNone, kNone, ""},
    {"Label10", Label, {120, 3120, 375, 495}, 24, false, false, kRed, kStandard, Left, Top, "*",
     kNone, kNone, ""},
    {"Label11", Label, {120, 4200, 375, 495}, 24, false, false, kRed, kStandard, Left, Top, "*",
     kNone, kNone, ""},
    {"Label12", Label, {240, 8280, 2415, 615}, 12, false, false, kStandard, kStandard, Centre,
     Middle, "Muzzle Energy Calculated (LbFt)", kNone, kNone, ""},
    {"txtEnergy", LockedTextBox, {240, 8880, 2415, 375}, 12, false, false, kBlue, kStandard, Left,
     Middle, "", kNone, LoadField::Energy, "Muzzle Energy Calculated (LbFt)"},
    {"Label13", Label, {2228, 120, 3855, 375}, 14.25, false, true, kBlue, kStandard, Centre, Top,
     "For Basic Rifle Loads", kNone, kNone, ""},
    {"txtCalib", TextBox, {240, 6120, 2415, 405}, 12, false, false, kStandard, kStandard, Left,
     Middle, "", kNone, LoadField::Caliber, "Cartridge Caliber"},
    {"Label14", Label, {240, 5760, 2415, 255}, 12, false, false, kStandard, kStandard, Centre,
     Bottom, "Cartridge Caliber", kNone, kNone, ""},
    {"List1", ListBox, {3240, 960, 4695, 2760}, 12, false, false, kStandard, kStandard, Left, Top,
     "", kNone, kNone, "Load List"},
    {"cmdPopulate", Button, {3240, 3840, 1815, 495}, 12, false, false, kStandard, kStandard, Centre,
     Middle, "Populate List", Command::PopulateList, kNone, "Populate List"},
    {"cmdSave", Button, {6120, 3840, 1815, 495}, 12, false, false, kStandard, kStandard, Centre,
     Middle, "Save Data", Command::SaveData, kNone, "Save Data"},
    {"Text1", HelpPanel, {3240, 4440, 4815, 1935}, 9.75, false, false, kPanelText, kLightGrey,
     Left, Top, kHelpText, kNone, kNone, "Help: Populate List and Save Data"},
    {"Text2", HelpPanel, {3240, 6480, 4815, 735}, 12, true, false, kPanelText, kLightGrey, Left,
     Top, "Notepad will open minimized in the lower taskbar. ", kNone, kNone,
     "Note: Notepad will open minimized"},
}};
}();
// clang-format on

// A control's text and ground as designed: its own colours, else the
// standard ones of its kind.
constexpr Rgb TextColourOf(const ControlDesign& design)
{
    return design.text.value_or(kDarkText);
}

constexpr Rgb BackgroundOf(const ControlDesign& design)
{
    if (design.background) return *design.background;
    const bool box = design.kind != ControlKind::Label && design.kind != ControlKind::Button;
    return box ? kBoxWhite : kFormGrey;
}

// Whether the Tab key stops at a control of this kind.
constexpr bool TakesFocus(ControlKind kind)
{
    return kind != ControlKind::Label && kind != ControlKind::HelpPanel;
}

}  // namespace tolbrek
