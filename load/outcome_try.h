#pragma once

#include "number_outcome.h"

// Binds `name` to the value of an outcome, or returns the outcome's failure
// from the enclosing function: a formula stops at its first failed step.
#define TOLBREK_TRY(name, expression)                 \
    const NumberOutcome name##Outcome = (expression); \
    if (!name##Outcome.ok()) return name##Outcome;    \
    const double name = name##Outcome.value()
