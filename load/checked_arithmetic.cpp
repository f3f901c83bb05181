#include "checked_arithmetic.h"

#include <cmath>

namespace tolbrek::detail {

namespace {

NumberOutcome Checked(double result)
{
    if (std::isnan(result)) return MakeFailure(NumberFailure::InvalidOperation);
    if (std::isinf(result)) return MakeFailure(NumberFailure::Overflow);
    return result;
}

}  // namespace

NumberOutcome CheckedAdd(double a, double b)
{
    return Checked(a + b);
}

NumberOutcome CheckedMultiply(double a, double b)
{
    return Checked(a * b);
}

NumberOutcome CheckedDivide(double dividend, double divisor)
{
    if (divisor == 0.0) {
        return MakeFailure(dividend == 0.0 ? NumberFailure::InvalidOperation
                                           : NumberFailure::DivisionByZero);
    }
    return Checked(dividend / divisor);
}

// The power 2.0 computed as one correctly rounded product: that is the exact
// square rounded once, which a general power routine only approximates (and
// differently from one C runtime to the next).
NumberOutcome CheckedSquare(double base)
{
    return Checked(base * base);
}

}  // namespace tolbrek::detail
