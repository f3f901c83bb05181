#include <windows.h>

#include "narrow_text.h"
#include "narrow_text_windows.h"
#include "wide_text.h"
#include "windows_failure.h"

namespace tolbrek {

std::string TextInCodePage(std::string_view utf8, unsigned int codePage, bool* lost)
{
    if (lost) *lost = false;
    const std::wstring wide = WideFromUtf8(utf8);
    if (wide.empty()) return {};
    // UTF-8 holds every character, and Windows refuses both the flag and the
    // question whether the default character was used for it.
    const bool everyCharacter = codePage == CP_UTF8;
    const DWORD flags = everyCharacter ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const askUsedDefault = everyCharacter ? nullptr : &usedDefault;
    const int wideSize = static_cast<int>(wide.size());
    const int narrowSize = WideCharToMultiByte(codePage, flags, wide.data(), wideSize, nullptr, 0,
                                               nullptr, askUsedDefault);
    // A line must never go missing from the report without a word.
    if (narrowSize == 0) {
        ThrowLastError("could not put a line of the report in code page " +
                       std::to_string(codePage));
    }
    std::string narrow(static_cast<std::size_t>(narrowSize), '\0');
    WideCharToMultiByte(codePage, flags, wide.data(), wideSize, narrow.data(), narrowSize, nullptr,
                        askUsedDefault);
    if (lost) *lost = usedDefault != FALSE;
    return narrow;
}

std::string NarrowText(std::string_view utf8, bool* lost)
{
    return TextInCodePage(utf8, GetACP(), lost);
}

}  // namespace tolbrek
