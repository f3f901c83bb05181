#include <charconv>
#include <string>

#include "decimal_scan.h"
#include "number_conversion.h"

namespace tolbrek {

namespace {

bool IsDroppedBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsHexDigit(char c)
{
    return detail::IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

// Hexadecimal digits as a whole number, rounded to the nearest double.
NumberOutcome HexValue(std::string_view digits)
{
    if (digits.empty()) return 0.0;
    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                           std::chars_format::hex);
    if (ec == std::errc::result_out_of_range) return MakeFailure(NumberFailure::Overflow);
    if (ec != std::errc()) return MakeFailure(NumberFailure::TypeMismatch);
    return value;
}

// Octal digits are regrouped from three bits to four, so that the hexadecimal
// conversion rounds them exactly once.
NumberOutcome OctalValue(std::string_view digits)
{
    std::string bits;
    bits.reserve(digits.size() * 3 + 3);
    for (const char c : digits) {
        const int digit = c - '0';
        bits += (digit & 4) ? '1' : '0';
        bits += (digit & 2) ? '1' : '0';
        bits += (digit & 1) ? '1' : '0';
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    hex.reserve(bits.size() / 4);
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        const int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                           (bits[i + 3] - '0');
        hex += "0123456789abcdef"[nibble];
    }
    return HexValue(hex);
}

template <typename IsRadixDigit>
std::string_view RadixDigits(std::string_view text, IsRadixDigit isRadixDigit)
{
    std::size_t end = 0;
    while (end < text.size() && isRadixDigit(text[end])) ++end;
    return text.substr(0, end);
}

}  // namespace

NumberOutcome LenientNumber(std::string_view text, std::string_view separator)
{
    std::string packed;
    packed.reserve(text.size());
    for (const char c : text) {
        if (!IsDroppedBlank(c)) packed += c;
    }
    const std::string_view rest(packed);

    if (rest.size() >= 2 && rest[0] == '&') {
        if (rest[1] == 'h' || rest[1] == 'H')
            return HexValue(RadixDigits(rest.substr(2), IsHexDigit));
        if (rest[1] == 'o' || rest[1] == 'O') {
            return OctalValue(RadixDigits(rest.substr(2), IsOctalDigit));
        }
    }
    const detail::DecimalScan scan = detail::ScanDecimal(rest, separator);
    if (scan.mantissaDigits == 0) return 0.0;
    return detail::DecimalValue(scan);
}

}  // namespace tolbrek
