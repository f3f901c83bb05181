#include "checked_arithmetic.h"
#include "load_formulas.h"
#include "number_conversion.h"
#include "outcome_try.h"

namespace tolbrek {

namespace {

// Grains times (ft/s)^2 over this gives foot-pounds: 2 x 32.16 ft/s^2
// (twice gravity) x 7000 grains per pound.
constexpr double kEnergyDivisor = 450240.0;

}  // namespace

NumberOutcome MuzzleEnergy(std::string_view velocity, std::string_view bullet,
                           std::string_view separator)
{
    using namespace detail;
    TOLBREK_TRY(bulletGrains, LenientNumber(bullet, separator));
    TOLBREK_TRY(feetPerSecond, StrictNumber(velocity, separator));
    TOLBREK_TRY(velocitySquared, CheckedSquare(feetPerSecond));
    // Rounded to the 15 digits of its text, as the squared velocity has
    // always been taken.
    TOLBREK_TRY(squaredAsWritten, LenientNumber(NumberText(velocitySquared, separator), separator));
    TOLBREK_TRY(product, CheckedMultiply(squaredAsWritten, bulletGrains));
    return CheckedDivide(product, kEnergyDivisor);
}

}  // namespace tolbrek
