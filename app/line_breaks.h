#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tolbrek {

// Whether a character ends a line for some reader of the report or of the
// window: CR and LF, NUL (which ends a C string), VT and FF, NEL, and
// Unicode's line and paragraph separators. A field holds one line; a
// caliber can then never add lines to the report.
constexpr bool IsLineBreak(char32_t c)
{
    return c == U'\n' || c == U'\r' || c == U'\0' || c == U'\v' || c == U'\f' || c == U'\u0085' ||
           c == U'\u2028' || c == U'\u2029';
}

// A field's text and its cursor.
template <typename Char>
struct FieldLine {
    std::basic_string<Char> text;
    std::size_t cursor;
    friend bool operator==(const FieldLine&, const FieldLine&) = default;
};

// What a single-line field keeps when text holding a line break has just
// arrived in it, ending at `cursor` (a paste, a drop, a typed key): its own
// text around the arrival, with only the arrival's first line between, as
// a native single-line text box keeps a paste. Where the cursor stands no
// further than the first break, the text was set whole and keeps its first
// line, the cursor staying where it is. Nothing when the text is one line already. Every line break
// lies in the Basic Multilingual Plane, so UTF-16 text is read unit by unit.
template <typename Char>
std::optional<FieldLine<Char>> KeptLine(std::basic_string_view<Char> text, std::size_t cursor)
{
    const auto isBreak = [](Char c) { return IsLineBreak(static_cast<char32_t>(c)); };
    const auto firstBreak = std::find_if(text.begin(), text.end(), isBreak);
    if (firstBreak == text.end()) return std::nullopt;
    const auto before = static_cast<std::size_t>(firstBreak - text.begin());
    const bool setWhole = cursor <= before;
    std::basic_string_view<Char> after =
        setWhole ? std::basic_string_view<Char>() : text.substr(std::min(cursor, text.size()));
    after = after.substr(0, static_cast<std::size_t>(
                                std::find_if(after.begin(), after.end(), isBreak) - after.begin()));
    std::basic_string<Char> kept(text.substr(0, before));
    kept += after;
    return FieldLine<Char>{std::move(kept), setWhole ? cursor : before};
}

}  // namespace tolbrek
