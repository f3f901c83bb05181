// The name a save writes its new report under, as both systems' file
// services make it and their clean-ups recognise it.

#include "temporary_name.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using tolbrek::IsTemporaryName;
using tolbrek::TemporaryName;

// Every digit of the number is written, leading zeros too, in the form that
// the clean-up recognises.
TEST(TemporaryName, writes_all_eight_hexadecimal_digits_of_the_number)
{
    const struct {
        std::uint32_t random;
        const char* name;
    } cases[] = {
        {0x0badc0de, ".Text.txt.0badc0de.tmp"},
        {0, ".Text.txt.00000000.tmp"},
        {0xffffffff, ".Text.txt.ffffffff.tmp"},
    };
    for (const auto& c : cases) {
        const std::string name = TemporaryName("Text.txt", c.random);
        EXPECT_EQ(name, c.name);
        EXPECT_TRUE(IsTemporaryName(name, "Text.txt")) << name;
    }
}

// A clean-up removes what it recognises, the letters that earlier saves
// wrote included: anything else that merely looks like a temporary name is
// someone else's and stays.
TEST(TemporaryName, recognises_exactly_the_names_saves_make_for_the_report)
{
    const struct {
        const char* name;
        bool recognised;
    } cases[] = {
        {".Text.txt.0badf00d.tmp", true},   {".Text.txt.12345678.tmp", true},
        {".Text.txt.0badf00.tmp", false},   {".Text.txt.0badf00d0.tmp", false},
        {".Text.txt.0badfood.tmp", true},   {".Text.txt.Zz09AbYx.tmp", true},
        {".Text.txt.0badf-0d.tmp", false},  {".Text.txt.0bad f0d.tmp", false},
        {".Text.txt.0badf00d.tmp~", false}, {".Text.txt.0badf00d.tmp.1", false},
        {".Text.txt.0badf00d.txt", false},  {"Text.txt.0badf00d.tmp", false},
        {".Text.txtx0badf00d.tmp", false},  {".Other.txt.0badf00d.tmp", false},
        {".Text.txt.0badf00d", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsTemporaryName(c.name, "Text.txt"), c.recognised) << c.name;
    }
}
