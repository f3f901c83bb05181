#include "first_line_validator.h"

#include <algorithm>

#include "line_breaks.h"

namespace tolbrek {

// The field's own text never holds a break, so whatever break there is came
// with the text that has just arrived before the cursor.
QValidator::State FirstLineValidator::validate(QString& input, int& position) const
{
    const std::u16string_view text(reinterpret_cast<const char16_t*>(input.utf16()),
                                   std::size_t(input.size()));
    if (const auto kept = KeptLine(text, std::size_t(std::max(position, 0)))) {
        input = QString::fromUtf16(kept->text.data(), qsizetype(kept->text.size()));
        position = int(kept->cursor);
    }
    return Acceptable;
}

}  // namespace tolbrek
