#include "temporary_name.h"

#include <cstddef>

namespace tolbrek {

namespace {

constexpr std::string_view kDigits = "0123456789abcdef";
// What the clean-up accepts in place of the digits: letters too, as saves
// before these named their files, so that a file one of them left behind
// still goes.
constexpr std::string_view kNameCharacters =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
// All the digits of a 32-bit number, leading zeros included: a name cut
// short would be one that fewer saves can tell apart.
constexpr std::size_t kDigitCount = 8;
constexpr std::string_view kEnding = ".tmp";

std::string Start(std::string_view reportName)
{
    return "." + std::string(reportName) + ".";
}

}  // namespace

std::string TemporaryName(std::string_view reportName, std::uint32_t random)
{
    std::string digits(kDigitCount, '0');
    for (std::size_t i = kDigitCount; i-- > 0; random >>= 4) digits[i] = kDigits[random & 0xF];
    return Start(reportName) + digits + std::string(kEnding);
}

bool IsTemporaryName(std::string_view name, std::string_view reportName) noexcept
{
    const std::size_t digitsAt = reportName.size() + 2;
    return name.size() == digitsAt + kDigitCount + kEnding.size() && name.starts_with('.') &&
           name.substr(1, reportName.size()) == reportName && name[digitsAt - 1] == '.' &&
           name.substr(digitsAt, kDigitCount).find_first_not_of(kNameCharacters) ==
               std::string_view::npos &&
           name.ends_with(kEnding);
}

std::string TemporaryNamePattern(std::string_view reportName)
{
    return Start(reportName) + "*" + std::string(kEnding);
}

}  // namespace tolbrek
