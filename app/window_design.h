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
extern const std::array<ControlDesign, 28> kWindowDesign;

// Whether the Tab key stops at a control of this kind.
constexpr bool TakesFocus(ControlKind kind)
{
    return kind != ControlKind::Label && kind != ControlKind::HelpPanel;
}

}  // namespace tolbrek
