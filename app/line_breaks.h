#pragma once

namespace tolbrek {

// Whether a character ends a line for some reader of the report or of the
// window: CR and LF, NUL (which ends a C string), VT and FF, NEL, and
// Unicode's line and paragraph separators. A field holds one line, so it
// keeps only what comes before the first of them; a caliber can then never
// add lines to the report.
constexpr bool IsLineBreak(char32_t c)
{
    return c == U'\n' || c == U'\r' || c == U'\0' || c == U'\v' || c == U'\f' || c == U'\u0085' ||
           c == U'\u2028' || c == U'\u2029';
}

}  // namespace tolbrek
