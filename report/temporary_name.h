#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolbrek {

// The name a save writes the new report under, beside the report, on every
// system: ".Text.txt.0badc0de.tmp" for Text.txt, the digits being those of
// a random number the caller draws, in lowercase hexadecimal. Hidden, and
// ending in .tmp, it is never taken for the report; the digits keep saves
// running at once apart.
std::string TemporaryName(std::string_view reportName, std::uint32_t random);

// Whether `name` is one that a save gives its temporary file for
// `reportName` (eight letters or digits in place of TemporaryName's
// hexadecimal ones, as earlier saves named them): a file left under such a
// name by a killed save is removed by the next one, and nothing else is. It allocates nothing, so
// that a clean-up that may not fail can ask.
bool IsTemporaryName(std::string_view name, std::string_view reportName) noexcept;

// A wildcard ('*' for any characters) that every temporary name of the
// report matches, for a system's search to narrow a folder down with; each
// name found is then checked whole with IsTemporaryName.
std::string TemporaryNamePattern(std::string_view reportName);

}  // namespace tolbrek
