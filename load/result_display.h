#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolbrek {

// A result is a finite number, or unset (see NumberText).

// The free recoil energy as the result field shows it: two decimals and the
// unit "   Ft. Lb." (three blanks), or the empty text for an unset result.
std::string RecoilDisplay(std::optional<double> recoil, std::string_view separator);

// The muzzle energy as the result field shows it: one decimal and the unit
// "  Ft. Lb." (two blanks); an unset result shows the unit alone.
std::string EnergyDisplay(std::optional<double> energy, std::string_view separator);

// A number with a fixed count of decimals, halves rounded away from zero as
// they stand in its 15-digit form (so 2.675 gives 2.68), no digit grouping,
// no minus sign on a value that rounds to zero.
std::string FixedDecimals(double value, int decimals, std::string_view separator);

}  // namespace tolbrek
