#pragma once

#include <string>
#include <string_view>

namespace tolbrek {

// UTF-8 text as the UTF-16 that the Windows API takes.
std::wstring WideFromUtf8(std::string_view utf8);

}  // namespace tolbrek
