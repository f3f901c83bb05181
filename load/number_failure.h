#pragma once

#include "failure.h"

namespace tolbrek {

// What goes wrong with the numbers: a text that is no number, and a result
// that leaves the doubles. Each entry is the number the user sees.
enum class NumberFailure {
    TypeMismatch = 1001,
    Overflow = 1002,
    DivisionByZero = 1003,
    InvalidOperation = 1004,
};

Failure MakeFailure(NumberFailure entry);

}  // namespace tolbrek
