#pragma once

#include <string>
#include <string_view>

namespace tolbrek {

// UTF-8 text in the system's narrow encoding: the ANSI code page on Windows,
// UTF-8 unchanged elsewhere. A character that the encoding lacks becomes its
// default character ('?'), never a look-alike that reads as other data (an
// 8 for the infinity sign, 12 for full-width digits); `lost`, where given,
// tells whether any did.
std::string NarrowText(std::string_view utf8, bool* lost = nullptr);

// A conversion into a narrow encoding, as NarrowText is: tests stand in an
// encoding that lacks a character they choose.
using Narrowing = std::string (*)(std::string_view utf8, bool* lost);

}  // namespace tolbrek
