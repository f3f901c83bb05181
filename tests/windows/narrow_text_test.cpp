// The report's lines in a Windows code page: each character the page has
// becomes its own bytes, each it lacks the default character, never a
// look-alike; UTF-8, which some systems make their ANSI code page, loses
// nothing.

#include <gtest/gtest.h>
#include <windows.h>

#include "narrow_text_windows.h"

TEST(NarrowText, a_character_the_code_page_lacks_becomes_the_default_character_only)
{
    struct Case {
        unsigned int codePage;
        std::string text;
        std::string bytes;
        bool lost;
    };
    // Cyrillic, infinity, a Chinese character, an emoji, full-width digits,
    // omega and sigma, and e acute.
    const std::string mixed =
        "\xD0\x9A\xD0\xB0\xD1\x80 \xE2\x88\x9E \xE4\xB8\x83 \xF0\x9F\x98\x80 "
        "\xEF\xBC\x91\xEF\xBC\x92 \xCE\xA9\xCE\xA3 caf\xC3\xA9";
    const Case cases[] = {
        {1252,
         "caf\xC3\xA9 \xE2\x82\xAC 7,5\xC3\x97"
         "55",
         "caf\xE9 \x80 7,5\xD7"
         "55",
         false},
        {1252, mixed, "??? ? ? ?? ?? ?? caf\xE9", true},
        {CP_UTF8, mixed, mixed, false},
        // Shift-JIS has Cyrillic, infinity, the Chinese character and the
        // Greek letters, but no e acute: no plain e stands in for it.
        {932, mixed, "\x84K\x84p\x84\x82 \x81\x87 \x8E\xB5 ?? \x82P\x82Q \x83\xB6\x83\xB0 caf?",
         true},
        {1252, "", "", false},
    };
    for (const Case& c : cases) {
        bool lost = !c.lost;
        EXPECT_EQ(tolbrek::TextInCodePage(c.text, c.codePage, &lost), c.bytes)
            << "code page " << c.codePage << ": " << c.text;
        EXPECT_EQ(lost, c.lost) << "code page " << c.codePage << ": " << c.text;
    }
}
