#include "decimal_scan.h"
#include "number_conversion.h"

namespace tolbrek {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

NumberOutcome StrictNumber(std::string_view text, std::string_view separator)
{
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    std::size_t end = text.size();
    while (end > start && IsBlank(text[end - 1])) --end;

    const std::string_view number = text.substr(start, end - start);
    const detail::DecimalScan scan = detail::ScanDecimal(number, separator);
    if (scan.mantissaDigits == 0 || scan.end != number.size()) {
        return MakeFailure(NumberFailure::TypeMismatch);
    }
    return detail::DecimalValue(scan);
}

}  // namespace tolbrek
