#pragma once

#include <string>
#include <string_view>

namespace tolbrek {

// UTF-8 text in a Windows code page, as NarrowText writes it in the ANSI
// code page: a character the page lacks becomes its default character, and
// `lost`, where given, tells whether any did.
std::string TextInCodePage(std::string_view utf8, unsigned int codePage, bool* lost);

}  // namespace tolbrek
