#include "significant_digits.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tolbrek::detail {

SignificantDigits RoundToSignificant(double value)
{
    SignificantDigits result;
    result.negative = std::signbit(value) && value != 0.0;
    // to_chars rounds the exact binary value correctly and ignores the
    // C locale, so every runtime gives the same digits.
    std::array<char, 64> buffer{};
    const auto [end, ec] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer.data(), ec == std::errc() ? end - buffer.data() : 0);
    const std::size_t e = text.find('e');
    if (e == std::string_view::npos) return result;

    for (const char c : text.substr(0, e)) {
        if (c != '.') result.digits += c;
    }
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    result.exponent);
    return result;
}

}  // namespace tolbrek::detail
