#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "command.h"
#include "load_list.h"

// The window of Tolbrek as data: every control with its place, font,
// colours, text, tab order and Windows id, one row each. Both windows (Qt
// and Win32) are built from it and held to it by their tests, so they cannot
// drift apart, and a new control is one new row.
namespace tolbrek {

// Places are designed in twips, 1/1440 inch: 15 twips to the pixel at 96
// dpi. There is no place by default: a row must give one.
struct Twips {
    constexpr Twips(int left, int top, int width, int height)
        : left(left), top(top), width(width), height(height)
    {
    }
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

// A control's name in the design, and so its object name in the Qt window.
// It has no default: a row without its name does not compile.
struct ControlName : std::string_view {
    consteval ControlName(const char* name) : std::string_view(name) {}
};

// A control's kind. It has no default either: a row must say what it is.
struct RequiredKind {
    consteval RequiredKind(ControlKind kind) : kind(kind) {}
    constexpr operator ControlKind() const { return kind; }
    ControlKind kind;
};

// Where a caption at its designed size would be a pixel too large for its
// box, each renderer draws it a little tighter: letter spacing in pixels at
// 96 dpi. Qt measures text in fractions of a pixel, Windows' GDI in whole
// pixels per character, which makes some captions a pixel or two wider.
struct QtFit {
    double letterSpacing = 0;
};
struct GdiFit {
    double letterSpacing = 0;
};

// One control of the window. A row names only what differs from these
// defaults, in this order.
struct ControlDesign {
    ControlName name;
    RequiredKind kind;
    Twips place;
    // The Windows control id, fixed whatever the tab order: tests and tools
    // find a control by it. From kFirstControlId to kLastControlId, one each.
    int id = 0;
    double points = 12;  // Arial, or its metric twin where Arial is absent
    bool bold = false;
    bool italic = false;
    std::optional<Rgb> text = std::nullopt;        // none: kDarkText
    std::optional<Rgb> background = std::nullopt;  // none: kBoxWhite or kFormGrey
    Align align = Align::Left;
    VerticalAlign verticalAlign = VerticalAlign::Middle;
    std::string_view caption = {};                  // a label's or button's caption, a panel's text
    std::optional<Command> command = std::nullopt;  // what a button runs
    std::optional<LoadField> field = std::nullopt;  // what a text box holds
    // The label whose caption names an input field: it is what a screen
    // reader says for the field, and the field is the label's buddy.
    std::string_view label = {};
    // What a screen reader says for a result, the list or a help panel; a
    // button is named by its caption.
    std::string_view accessibleName = {};
    // The line height of a wrapped caption, in percent of the font's own.
    int lineHeightPercent = 100;
    QtFit qt = {};
    GdiFit gdi = {};
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
// How long a message box takes no key or click once it is shown: keys
// pressed that soon were meant for the window, and no person reads a box
// and answers it that fast. Repeats of a held key it never takes.
inline constexpr int kBoxDeafMilliseconds = 400;
// The controls' Windows ids. The resource script's own ids lie below them,
// and Enter and Esc in a window run through the dialog manager send IDOK
// (1) and IDCANCEL (2), which no control may have.
inline constexpr int kFirstControlId = 100;
inline constexpr int kLastControlId = 199;

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

// The controls in tab order: a control's tab index is its place here.
// Known at compile time, so that the rows are checked by the compiler.
// clang-format off
inline constexpr auto kWindowDesign = [] {
    using enum ControlKind;
    using enum Align;
    using enum VerticalAlign;
    return std::to_array<ControlDesign>({
        {.name = "Label1", .kind = Label, .place = {240, 600, 2415, 255}, .id = 100,
         .verticalAlign = Bottom, .caption = "Bullet Weight Grains"},
        {.name = "txtBulwt", .kind = TextBox, .place = {480, 960, 2175, 390}, .id = 101,
         .text = kBlue, .field = LoadField::Bullet, .label = "Label1"},
        {.name = "Label2", .kind = Label, .place = {240, 1680, 2415, 255}, .id = 102,
         .verticalAlign = Bottom, .caption = "Powder Charge Grains",
         .qt = {.letterSpacing = -0.1}, .gdi = {.letterSpacing = -0.15}},
        {.name = "txtPdrchg", .kind = TextBox, .place = {480, 2040, 2175, 390}, .id = 103,
         .text = kBlue, .field = LoadField::Powder, .label = "Label2"},
        {.name = "Label3", .kind = Label, .place = {240, 2760, 2415, 255}, .id = 104,
         .verticalAlign = Bottom, .caption = "Velocity (FPS)"},
        {.name = "txtVel", .kind = TextBox, .place = {480, 3120, 2175, 390}, .id = 105,
         .text = kBlue, .field = LoadField::Velocity, .label = "Label3"},
        {.name = "Label4", .kind = Label, .place = {240, 3840, 2415, 255}, .id = 106,
         .verticalAlign = Bottom, .caption = "Weight of Gun (Lbs)"},
        {.name = "txtGunwt", .kind = TextBox, .place = {480, 4200, 2175, 390}, .id = 107,
         .text = kBlue, .field = LoadField::Gun, .label = "Label4"},
        {.name = "cmdCalc", .kind = Button, .place = {240, 6600, 2415, 495}, .id = 108,
         .points = 14.25, .bold = true, .align = Centre, .caption = "Calculate",
         .command = Command::Calculate},
        {.name = "Label5", .kind = Label, .place = {240, 7200, 2415, 495}, .id = 109,
         .align = Centre, .verticalAlign = Top, .caption = "Free Recoil Energy  Calculated (LbFt)",
         .lineHeightPercent = 80},
        {.name = "txtCaluc", .kind = LockedTextBox, .place = {240, 7800, 2415, 375}, .id = 110,
         .text = kBlue, .field = LoadField::Recoil,
         .accessibleName = "Free Recoil Energy Calculated (LbFt)"},
        {.name = "cmdClear", .kind = Button, .place = {240, 9480, 2535, 495}, .id = 111,
         .bold = true, .align = Centre, .caption = "Clear All", .command = Command::ClearAll},
        {.name = "Label6", .kind = Label, .place = {240, 4680, 375, 615}, .id = 112, .points = 48,
         .text = kRed, .verticalAlign = Top, .caption = "*"},
        {.name = "Label7", .kind = Label, .place = {720, 4680, 1935, 735}, .id = 113,
         .points = 9.75, .text = kRed, .verticalAlign = Top,
         .caption = "NOTE: All Input Fields Must Be Completed For Calculation.",
         .gdi = {.letterSpacing = -0.1}},
        {.name = "Label8", .kind = Label, .place = {120, 960, 375, 495}, .id = 114, .points = 24,
         .text = kRed, .verticalAlign = Top, .caption = "*"},
        {.name = "Label9", .kind = Label, .place = {120, 2040, 375, 495}, .id = 115, .points = 24,
         .text = kRed, .verticalAlign = Top, .caption = "*"},
        {.name = "Label10", .kind = Label, .place = {120, 3120, 375, 495}, .id = 116,
         .points = 24, .text = kRed, .verticalAlign = Top, .caption = "*"},
        {.name = "Label11", .kind = Label, .place = {120, 4200, 375, 495}, .id = 117,
         .points = 24, .text = kRed, .verticalAlign = Top, .caption = "*"},
        {.name = "Label12", .kind = Label, .place = {240, 8280, 2415, 615}, .id = 118,
         .align = Centre, .caption = "Muzzle Energy Calculated (LbFt)"},
        {.name = "txtEnergy", .kind = LockedTextBox, .place = {240, 8880, 2415, 375}, .id = 119,
         .text = kBlue, .field = LoadField::Energy,
         .accessibleName = "Muzzle Energy Calculated (LbFt)"},
        {.name = "Label13", .kind = Label, .place = {2228, 120, 3855, 375}, .id = 120,
         .points = 14.25, .italic = true, .text = kBlue, .align = Centre, .verticalAlign = Top,
         .caption = "For Basic Rifle Loads"},
        {.name = "txtCalib", .kind = TextBox, .place = {240, 6120, 2415, 405}, .id = 121,
         .field = LoadField::Caliber, .label = "Label14"},
        {.name = "Label14", .kind = Label, .place = {240, 5760, 2415, 255}, .id = 122,
         .align = Centre, .verticalAlign = Bottom, .caption = "Cartridge Caliber"},
        {.name = "List1", .kind = ListBox, .place = {3240, 960, 4695, 2760}, .id = 123,
         .accessibleName = "Load List"},
        {.name = "cmdPopulate", .kind = Button, .place = {3240, 3840, 1815, 495}, .id = 124,
         .align = Centre, .caption = "Populate List", .command = Command::PopulateList},
        {.name = "cmdSave", .kind = Button, .place = {6120, 3840, 1815, 495}, .id = 125,
         .align = Centre, .caption = "Save Data", .command = Command::SaveData},
        {.name = "Text1", .kind = HelpPanel, .place = {3240, 4440, 4815, 1935}, .id = 126,
         .points = 9.75, .text = kPanelText, .background = kLightGrey, .verticalAlign = Top,
         .caption = kHelpText, .accessibleName = "Help: Populate List and Save Data"},
        {.name = "Text2", .kind = HelpPanel, .place = {3240, 6480, 4815, 735}, .id = 127,
         .bold = true, .text = kPanelText, .background = kLightGrey, .verticalAlign = Top,
         .caption = "Notepad will open minimized in the lower taskbar. ",
         .accessibleName = "Note: Notepad will open minimized"},
    });
}();
// clang-format on

// Whether the Tab key stops at a control of this kind.
constexpr bool TakesFocus(ControlKind kind)
{
    return kind != ControlKind::Label && kind != ControlKind::HelpPanel;
}

// The place in the design of the control of this name; the design's size
// where there is none.
constexpr std::size_t IndexOf(std::string_view name)
{
    std::size_t index = 0;
    while (index < kWindowDesign.size() && kWindowDesign[index].name != name) ++index;
    return index;
}

// The place of the control with this Windows id, if one has it.
constexpr std::optional<std::size_t> IndexOfId(int id)
{
    for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
        if (kWindowDesign[index].id == id) return index;
    }
    return std::nullopt;
}

// The place of the text box that holds a field.
constexpr std::size_t IndexOf(LoadField field)
{
    std::size_t index = 0;
    while (index < kWindowDesign.size() && kWindowDesign[index].field != field) ++index;
    return index;
}

// Where the focus starts when the window opens: where Tab starts, in the
// first control that takes the focus.
constexpr std::size_t FirstFocusIndex()
{
    std::size_t index = 0;
    while (index < kWindowDesign.size() && !TakesFocus(kWindowDesign[index].kind)) ++index;
    return index;
}

// Where the load list is.
constexpr std::size_t ListIndex()
{
    std::size_t index = 0;
    while (index < kWindowDesign.size() && kWindowDesign[index].kind != ControlKind::ListBox) {
        ++index;
    }
    return index;
}

// What a screen reader says for a control that is no label: an input
// field's caption, a button's caption, else the design's name for it.
constexpr std::string_view AccessibleNameOf(const ControlDesign& design)
{
    if (!design.label.empty()) return kWindowDesign[IndexOf(design.label)].caption;
    if (design.kind == ControlKind::Button) return design.caption;
    return design.accessibleName;
}

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

// What the compiler holds every row to, beyond a name, a kind and a place.
static_assert(
    [] {
        for (std::size_t index = 0; index < kWindowDesign.size(); ++index) {
            const ControlDesign& design = kWindowDesign[index];
            if (design.id < kFirstControlId || design.id > kLastControlId) return false;
            for (std::size_t earlier = 0; earlier < index; ++earlier) {
                if (kWindowDesign[earlier].id == design.id) return false;
                if (kWindowDesign[earlier].name == design.name) return false;
            }
        }
        return true;
    }(),
    "every control needs a name and a Windows id of its own, from kFirstControlId to "
    "kLastControlId");
static_assert(
    [] {
        for (const ControlDesign& design : kWindowDesign) {
            if (design.kind == ControlKind::TextBox && design.label.empty()) return false;
            if (design.label.empty()) continue;
            const std::size_t label = IndexOf(design.label);
            if (label == kWindowDesign.size() || kWindowDesign[label].kind != ControlKind::Label ||
                !design.field) {
                return false;
            }
        }
        for (const LoadField field :
             {LoadField::Caliber, LoadField::Bullet, LoadField::Powder, LoadField::Velocity,
              LoadField::Gun, LoadField::Recoil, LoadField::Energy}) {
            if (IndexOf(field) == kWindowDesign.size()) return false;
        }
        return true;
    }(),
    "every field needs its text box, every input field its label, and a field's label must be "
    "one of the design's labels");
static_assert(FirstFocusIndex() < kWindowDesign.size() && ListIndex() < kWindowDesign.size());

}  // namespace tolbrek
