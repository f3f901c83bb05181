#include "result_display.h"

#include "significant_digits.h"

namespace tolbrek {

namespace {

constexpr std::string_view kRecoilUnit = "   Ft. Lb.";
constexpr std::string_view kEnergyUnit = "  Ft. Lb.";

// Adds one to a string of decimal digits.
void Increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The digits of |value| x 10^decimals rounded to a whole number.
std::string ScaledDigits(const detail::SignificantDigits& rounded, int decimals)
{
    const int kept = rounded.exponent + 1 + decimals;  // digits left of the cut
    const int available = static_cast<int>(rounded.digits.size());
    if (kept >= available) return rounded.digits + std::string(kept - available, '0');
    if (kept < 0) return "0";
    std::string whole = kept == 0 ? "0" : rounded.digits.substr(0, kept);
    if (rounded.digits[kept] >= '5') Increment(whole);
    return whole;
}

}  // namespace

std::string FixedDecimals(double value, int decimals, std::string_view separator)
{
    const detail::SignificantDigits rounded = detail::RoundToSignificant(value);
    std::string digits = ScaledDigits(rounded, decimals);
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    if (digits.size() < static_cast<std::size_t>(decimals) + 1) {
        digits.insert(0, decimals + 1 - digits.size(), '0');
    }
    const std::size_t integerDigits = digits.size() - decimals;
    std::string text = (rounded.negative && !isZero) ? "-" : "";
    text += digits.substr(0, integerDigits);
    if (decimals > 0) text += std::string(separator) + digits.substr(integerDigits);
    return text;
}

std::string RecoilDisplay(std::optional<double> recoil, std::string_view separator)
{
    // The unit is part of the pattern, so a value that is not there shows
    // nothing at all, not even the unit.
    if (!recoil) return {};
    return FixedDecimals(*recoil, 2, separator) + std::string(kRecoilUnit);
}

std::string EnergyDisplay(std::optional<double> energy, std::string_view separator)
{
    const std::string number = energy ? FixedDecimals(*energy, 1, separator) : std::string();
    return number + std::string(kEnergyUnit);
}

}  // namespace tolbrek
