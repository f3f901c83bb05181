// libFuzzer target over the three conversions. The first byte picks the
// decimal separator (a comma picks the comma, anything else the period); the rest is field text,
// and its first eight bytes also serve as the bits of a double for the writing side.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "number_conversion.h"
#include "result_display.h"

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

// Written and read back, a number is itself rounded to 15 digits.
void CheckRoundTrip(double value, const char* separator)
{
    if (!std::isfinite(value)) return;
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
    double expected = 0;
    // Out of range only at the very top, where the text is cut, not rounded up.
    const bool representable = std::from_chars(buffer, end, expected).ec == std::errc();
    const auto back = tolbrek::LenientNumber(tolbrek::NumberText(value, separator), separator);
    Require(back.ok());
    if (representable) Require(back.value() == expected);
    (void)tolbrek::FixedDecimals(value, 2, separator);
    (void)tolbrek::EnergyDisplay(value, separator);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const char* separator = data[0] == ',' ? "," : ".";
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto strict = tolbrek::StrictNumber(text, separator);
    const auto lenient = tolbrek::LenientNumber(text, separator);
    if (strict.ok()) {
        // A text that is wholly a number reads the same either way.
        Require(lenient.ok());
        Require(std::isfinite(strict.value()));
        Require(lenient.value() == strict.value());
        CheckRoundTrip(strict.value(), separator);
    }
    if (lenient.ok()) CheckRoundTrip(lenient.value(), separator);

    if (text.size() >= sizeof(double)) {
        double bits = 0;
        std::memcpy(&bits, text.data(), sizeof bits);
        CheckRoundTrip(bits, separator);
    }
    return 0;
}
