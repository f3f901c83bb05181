#pragma once

#include "number_outcome.h"

// One rounded double operation each, with the operation's failure instead of
// an infinity or a NaN. Operands are always finite: they come from the
// conversions, which never give anything else.
namespace tolbrek::detail {

NumberOutcome CheckedAdd(double a, double b);
NumberOutcome CheckedMultiply(double a, double b);
NumberOutcome CheckedDivide(double dividend, double divisor);
NumberOutcome CheckedSquare(double base);

}  // namespace tolbrek::detail
