#include <cstdlib>
#include <string>

#include "number_conversion.h"
#include "significant_digits.h"

namespace tolbrek {

namespace {

// Positional form from 1E-05 up to (but not including) 1E+15.
constexpr int kSmallestPositionalExponent = -5;
constexpr int kLargestPositionalExponent = 14;

// The largest double written with 15 digits. A value above it would round up
// to a text that reads back beyond the double range, so it is cut instead.
constexpr std::string_view kLargestFiniteDigits = "179769313486231";
constexpr int kLargestFiniteExponent = 308;

std::string TrimTrailingZeros(std::string digits)
{
    const std::size_t last = digits.find_last_not_of('0');
    digits.erase(last == std::string::npos ? 1 : last + 1);
    return digits;
}

std::string Positional(const std::string& digits, int exponent, std::string_view separator)
{
    const int integerDigits = exponent + 1;
    if (integerDigits <= 0) {
        return "0" + std::string(separator) + std::string(-integerDigits, '0') + digits;
    }
    if (static_cast<std::size_t>(integerDigits) >= digits.size()) {
        return digits + std::string(integerDigits - digits.size(), '0');
    }
    return digits.substr(0, integerDigits) + std::string(separator) + digits.substr(integerDigits);
}

std::string Scientific(const std::string& digits, int exponent, std::string_view separator)
{
    std::string text = digits.substr(0, 1);
    if (digits.size() > 1) text += std::string(separator) + digits.substr(1);
    const int magnitude = std::abs(exponent);
    text += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
    return text;
}

}  // namespace

std::string NumberText(double value, std::string_view separator)
{
    if (value == 0.0) return "0";

    detail::SignificantDigits rounded = detail::RoundToSignificant(value);
    if (rounded.exponent == kLargestFiniteExponent && rounded.digits > kLargestFiniteDigits) {
        rounded.digits = kLargestFiniteDigits;
    }
    const std::string digits = TrimTrailingZeros(rounded.digits);
    const bool positional = rounded.exponent >= kSmallestPositionalExponent &&
                            rounded.exponent <= kLargestPositionalExponent;
    const std::string body = positional ? Positional(digits, rounded.exponent, separator)
                                        : Scientific(digits, rounded.exponent, separator);
    return rounded.negative ? "-" + body : body;
}

}  // namespace tolbrek
