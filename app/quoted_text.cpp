#include "quoted_text.h"

namespace tolbrek {

namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // U+2026

bool StartsCharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// Where the character after the first `count` characters starts.
std::size_t AfterCharacters(std::string_view utf8, std::size_t count)
{
    std::size_t at = 0;
    for (std::size_t seen = 0; at < utf8.size(); ++at) {
        if (StartsCharacter(utf8[at]) && seen++ == count) break;
    }
    return at;
}

}  // namespace

std::string QuotedText(std::string_view utf8, std::size_t most)
{
    if (AfterCharacters(utf8, most) == utf8.size()) return std::string(utf8);
    std::string quoted(utf8.substr(0, AfterCharacters(utf8, most == 0 ? 0 : most - 1)));
    return quoted += kEllipsis;
}

}  // namespace tolbrek
