#pragma once

#include <string>

namespace tolbrek::detail {

// A finite double rounded to 15 significant decimal digits:
// value ~= 0.d1d2...d15 * 10^(exponent + 1), that is d1.d2...d15 * 10^exponent.
struct SignificantDigits {
    bool negative = false;
    std::string digits;  // exactly 15 digits; all zeros for a zero value
    int exponent = 0;
};

inline constexpr int kSignificantDigits = 15;

SignificantDigits RoundToSignificant(double value);

}  // namespace tolbrek::detail
