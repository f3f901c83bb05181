#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tolbrek {

// How many characters of the user's own text a box quotes at most.
inline constexpr std::size_t kMostQuotedCharacters = 60;

// The user's text (UTF-8) as a box quotes it: whole when it is short, else
// its first characters and an ellipsis, together no more than `most`
// characters, never half of one. A field has no length limit, and a box
// that quoted a whole line could be larger than the screen, its OK button
// out of reach.
std::string QuotedText(std::string_view utf8, std::size_t most = kMostQuotedCharacters);

}  // namespace tolbrek
