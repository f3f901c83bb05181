#pragma once

#include <string>
#include <string_view>

#include "number_outcome.h"

// The three conversions between field text and numbers. Every one takes the
// locale's decimal separator (UTF-8) as an argument, so that the window can
// pass the user's and tests can pass any.
namespace tolbrek {

// The whole text must be one number: blanks around it, an optional sign,
// digits with at most one decimal separator and an optional exponent.
// Anything else is a type mismatch; beyond the double range is an overflow.
NumberOutcome StrictNumber(std::string_view text, std::string_view separator);

// Blanks, tabs and line feeds are dropped, then the longest number at the
// front is read (decimal, or "&H" hexadecimal, or "&O" octal). Text with no
// number reads as 0. Fails only for a number beyond the double range.
NumberOutcome LenientNumber(std::string_view text, std::string_view separator);

// The plain text of a finite number: at most 15 significant digits, no
// trailing zeros, positional from 1E-05 up to below 1E+15, exponent form
// beyond. Every number the program holds is finite: the conversions and the
// checked arithmetic never give anything else.
std::string NumberText(double value, std::string_view separator);

}  // namespace tolbrek
