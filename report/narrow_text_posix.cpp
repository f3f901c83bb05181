#include "narrow_text.h"

namespace tolbrek {

// POSIX systems keep text files in UTF-8.
std::string NarrowText(std::string_view utf8)
{
    return std::string(utf8);
}

}  // namespace tolbrek
