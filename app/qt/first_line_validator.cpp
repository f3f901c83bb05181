#include "first_line_validator.h"

#include <algorithm>

#include "line_breaks.h"

namespace tolbrek {

QValidator::State FirstLineValidator::validate(QString& input, int& position) const
{
    const auto end = std::find_if(input.cbegin(), input.cend(),
                                  [](QChar c) { return IsLineBreak(c.unicode()); });
    const int firstLine = int(end - input.cbegin());
    if (firstLine < input.size()) {
        input.truncate(firstLine);
        position = std::min(position, firstLine);
    }
    return Acceptable;
}

}  // namespace tolbrek
