#pragma once

#include <QValidator>

namespace tolbrek {

// Keeps a field to one line, as a native single-line text box does: text
// that arrives with a line break of any kind (IsLineBreak), however it
// arrives (typed, pasted, dropped, from an input method), brings only its
// first line, and the field keeps the rest of its own text (KeptLine).
class FirstLineValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

}  // namespace tolbrek
