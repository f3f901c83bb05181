#include "narrow_text.h"

namespace tolbrek {

// POSIX systems keep text files in UTF-8, which holds every character.
std::string NarrowText(std::string_view utf8, bool* lost)
{
    if (lost) *lost = false;
    return std::string(utf8);
}

}  // namespace tolbrek
