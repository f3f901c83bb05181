#pragma once

#include <string_view>

#include "number_outcome.h"

namespace tolbrek {

// The texts of one load, as typed (UTF-8).
struct LoadTexts {
    std::string_view bullet;    // bullet weight, grains
    std::string_view powder;    // powder charge, grains
    std::string_view velocity;  // muzzle velocity, ft/s
    std::string_view gun;       // gun weight, pounds
};

// Free recoil energy of the gun in foot-pounds. All four texts must be
// strict numbers; fails on the first conversion or arithmetic failure.
NumberOutcome FreeRecoilEnergy(const LoadTexts& load, std::string_view separator);

// Muzzle energy of the bullet in foot-pounds. The bullet weight is read
// leniently (so an empty one counts as 0), the velocity strictly, and the
// squared velocity goes through its text form as the list shows numbers.
NumberOutcome MuzzleEnergy(std::string_view velocity, std::string_view bullet,
                           std::string_view separator);

}  // namespace tolbrek
