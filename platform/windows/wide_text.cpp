#include "wide_text.h"

#include <windows.h>

namespace tolbrek {

std::wstring WideFromUtf8(std::string_view utf8)
{
    if (utf8.empty()) return {};
    const int utf8Size = static_cast<int>(utf8.size());
    const int wideSize = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), utf8Size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), utf8Size, wide.data(), wideSize);
    return wide;
}

std::string Utf8FromWide(std::wstring_view wide)
{
    if (wide.empty()) return {};
    const int wideSize = static_cast<int>(wide.size());
    const int utf8Size =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(utf8Size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, utf8.data(), utf8Size, nullptr, nullptr);
    return utf8;
}

}  // namespace tolbrek
