#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "number_outcome.h"

namespace tolbrek::detail {

// A decimal number read from the front of a text: an optional sign, digits
// with at most one decimal separator, and an exponent that is taken only when
// digits follow its letter.
struct DecimalScan {
    std::size_t end = 0;     // index just past the last character taken
    int mantissaDigits = 0;  // digits before the exponent; 0 means no number
    std::string ascii;       // the same number with '.' as separator, no '+'
};

DecimalScan ScanDecimal(std::string_view text, std::string_view separator);

// The nearest double to a scanned number. Beyond the double range is an
// overflow failure; below the smallest subnormal gives a signed zero.
NumberOutcome DecimalValue(const DecimalScan& scan);

bool IsDigit(char c);

}  // namespace tolbrek::detail
