#include "decimal_scan.h"

#include <charconv>
#include <system_error>

namespace tolbrek::detail {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

namespace {

std::size_t SkipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    return pos;
}

// Whether a number that from_chars found out of range was too large rather
// than too small: the decimal position of its first significant digit.
bool IsTooLarge(std::string_view ascii)
{
    std::size_t pos = (ascii.front() == '-') ? 1 : 0;
    long long magnitude = 0;
    bool seenPoint = false;
    bool seenSignificant = false;
    for (; pos < ascii.size() && ascii[pos] != 'e'; ++pos) {
        const char c = ascii[pos];
        if (c == '.') {
            seenPoint = true;
        } else if (!seenSignificant && c == '0') {
            if (seenPoint) --magnitude;
        } else {
            seenSignificant = true;
            if (!seenPoint) ++magnitude;
        }
    }
    if (pos < ascii.size()) {
        ++pos;
        const bool negative = ascii[pos] == '-';
        if (ascii[pos] == '-' || ascii[pos] == '+') ++pos;
        long long exponent = 0;
        for (; pos < ascii.size() && exponent < 1'000'000'000LL; ++pos) {
            exponent = exponent * 10 + (ascii[pos] - '0');
        }
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0;
}

}  // namespace

DecimalScan ScanDecimal(std::string_view text, std::string_view separator)
{
    DecimalScan scan;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') scan.ascii += '-';
        ++pos;
    }
    const std::size_t integerEnd = SkipDigits(text, pos);
    scan.ascii.append(text.substr(pos, integerEnd - pos));
    scan.mantissaDigits = static_cast<int>(integerEnd - pos);
    pos = integerEnd;
    if (!separator.empty() && text.substr(pos).starts_with(separator)) {
        const std::size_t fractionStart = pos + separator.size();
        const std::size_t fractionEnd = SkipDigits(text, fractionStart);
        scan.ascii += '.';
        scan.ascii.append(text.substr(fractionStart, fractionEnd - fractionStart));
        scan.mantissaDigits += static_cast<int>(fractionEnd - fractionStart);
        pos = fractionEnd;
    }
    if (scan.mantissaDigits == 0) return DecimalScan{};

    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponentPos = pos + 1;
        std::string exponent = "e";
        if (exponentPos < text.size() && (text[exponentPos] == '+' || text[exponentPos] == '-')) {
            if (text[exponentPos] == '-') exponent += '-';
            ++exponentPos;
        }
        const std::size_t exponentEnd = SkipDigits(text, exponentPos);
        if (exponentEnd > exponentPos) {
            exponent.append(text.substr(exponentPos, exponentEnd - exponentPos));
            scan.ascii += exponent;
            pos = exponentEnd;
        }
    }
    scan.end = pos;
    return scan;
}

NumberOutcome DecimalValue(const DecimalScan& scan)
{
    double value = 0.0;
    const char* first = scan.ascii.data();
    const char* last = first + scan.ascii.size();
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        if (IsTooLarge(scan.ascii)) return MakeFailure(NumberFailure::Overflow);
        return scan.ascii.front() == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || ptr != last) return MakeFailure(NumberFailure::TypeMismatch);
    return value;
}

}  // namespace tolbrek::detail
