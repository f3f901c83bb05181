#pragma once

#include <string>
#include <string_view>

namespace tolbrek {

// UTF-8 text in the system's narrow encoding: the ANSI code page on Windows
// (a character it lacks becomes '?'), UTF-8 unchanged elsewhere.
std::string NarrowText(std::string_view utf8);

}  // namespace tolbrek
