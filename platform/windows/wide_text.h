#pragma once

#include <string>
#include <string_view>

namespace tolbrek {

// UTF-8 text as the UTF-16 that the Windows API takes.
std::wstring WideFromUtf8(std::string_view utf8);

// UTF-16 from the Windows API as the program's UTF-8.
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace tolbrek
