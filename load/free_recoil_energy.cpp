#include "checked_arithmetic.h"
#include "load_formulas.h"
#include "number_conversion.h"
#include "outcome_try.h"

namespace tolbrek {

namespace {

// Grains in one pound avoirdupois.
constexpr double kGrainsPerPound = 7000.0;
// Velocity in ft/s credited to the powder gas leaving the muzzle.
constexpr double kPowderGasVelocity = 4700.0;
// 2g in ft/s^2: turns momentum squared over weight into energy in ft-lb.
constexpr double kTwiceGravity = 64.348;

}  // namespace

NumberOutcome FreeRecoilEnergy(const LoadTexts& load, std::string_view separator)
{
    using namespace detail;
    TOLBREK_TRY(bulletGrains, StrictNumber(load.bullet, separator));
    const double bulletPounds = bulletGrains / kGrainsPerPound;
    TOLBREK_TRY(velocity, StrictNumber(load.velocity, separator));
    TOLBREK_TRY(bulletMomentum, CheckedMultiply(velocity, bulletPounds));
    TOLBREK_TRY(powderGrains, StrictNumber(load.powder, separator));
    TOLBREK_TRY(powderMomentum,
                CheckedMultiply(powderGrains / kGrainsPerPound, kPowderGasVelocity));
    TOLBREK_TRY(momentumSum, CheckedAdd(powderMomentum, bulletMomentum));
    TOLBREK_TRY(momentumSquared, CheckedSquare(momentumSum));
    TOLBREK_TRY(gunPounds, StrictNumber(load.gun, separator));
    TOLBREK_TRY(divisor, CheckedMultiply(gunPounds, kTwiceGravity));
    return CheckedDivide(momentumSquared, divisor);
}

}  // namespace tolbrek
