#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "number_conversion.h"

using tolbrek::LenientNumber;
using tolbrek::NumberFailure;
using tolbrek::NumberText;
using tolbrek::StrictNumber;

namespace {

struct TextCase {
    const char* text;
    double expected;
};

double StrictValue(const char* text, const char* separator = ".")
{
    const auto outcome = StrictNumber(text, separator);
    EXPECT_TRUE(outcome.ok()) << "'" << text << "'";
    return outcome.ok() ? outcome.value() : std::nan("");
}

double LenientValue(const std::string& text, const char* separator = ".")
{
    const auto outcome = LenientNumber(text, separator);
    EXPECT_TRUE(outcome.ok()) << "'" << text << "'";
    return outcome.ok() ? outcome.value() : std::nan("");
}

}  // namespace

TEST(StrictNumber, reads_the_whole_text_as_one_number)
{
    const TextCase cases[] = {
        {"150", 150},  {"  150\t", 150}, {"-8", -8},     {"+8", 8},  {".5", 0.5},  {"5.", 5},
        {"1e3", 1000}, {"1E-2", 0.01},   {"2.5e+1", 25}, {"007", 7}, {"0.1", 0.1}, {"1e-400", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(StrictValue(c.text), c.expected) << c.text;
}

TEST(StrictNumber, refuses_anything_but_one_number_as_a_type_mismatch)
{
    for (const char* text : {"", "   ", "8 lb", "abc", "1,500", "1 2", "- 5", ".", "1e", "1e+",
                             "&H10", "$5", "1.2.3", "--5", "5-", "\n5"}) {
        const auto outcome = StrictNumber(text, ".");
        ASSERT_FALSE(outcome.ok()) << "'" << text << "'";
        EXPECT_TRUE(outcome.failure().is(NumberFailure::TypeMismatch)) << "'" << text << "'";
    }
}

TEST(StrictNumber, a_number_beyond_the_double_range_is_an_overflow)
{
    for (const char* text : {"1e309", "-1e309", "0.5e400", "-.05e310", "1e99999999999999999999",
                             "1797693134862316000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000000000"
                             "00000000000000000000000000000000000000000000"}) {
        const auto outcome = StrictNumber(text, ".");
        ASSERT_FALSE(outcome.ok()) << text;
        EXPECT_TRUE(outcome.failure().is(NumberFailure::Overflow)) << text;
    }
    EXPECT_EQ(StrictValue("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

// Below the smallest double a number reads as a zero of its sign. Only the
// place of its first significant digit says how small it is: neither its
// minus sign nor the zeros that lead it, on either side of the point, make
// it large. Read strictly, so that a text that is no number fails here
// rather than reading as zero too.
TEST(StrictNumber, a_number_below_the_double_range_reads_as_a_zero_of_its_sign)
{
    const struct {
        std::string text;
        bool negative;
    } cases[] = {
        {"-1e-400", true},
        {"-0." + std::string(400, '0') + "1", true},
        {"-" + std::string(500, '0') + "1e-400", true},
        {"." + std::string(400, '0') + "1e5", false},
    };
    for (const auto& c : cases) {
        const double value = StrictValue(c.text.c_str());
        EXPECT_EQ(value, 0.0) << c.text;
        EXPECT_EQ(std::signbit(value), c.negative) << c.text;
    }
}

TEST(StrictNumber, uses_only_the_locales_decimal_separator)
{
    EXPECT_EQ(StrictValue("2800,5", ","), 2800.5);
    EXPECT_FALSE(StrictNumber("2800.5", ",").ok());
    EXPECT_FALSE(StrictNumber("2800,5", ".").ok());
    // A separator of more than one byte, as some locales have.
    EXPECT_EQ(StrictValue("1\u066B25", "\u066B"), 1.25);
}

TEST(LenientNumber, reads_the_number_at_the_front_and_ignores_the_rest)
{
    const TextCase cases[] = {
        {"150", 150},   {"  150 gr", 150}, {"12.34   Ft. Lb.", 12.34},
        {"abc", 0},     {"", 0},           {"1,500", 1},
        {"1 50", 150},  {"1\t5\n0", 150},  {"-5", -5},
        {"+5", 5},      {"1e", 1},         {"1e+", 1},
        {"1E2x", 100},  {"2.5e-1", 0.25},  {"5-3", 5},
        {"-", 0},       {".", 0},          {"1.2.3", 1.2},
        {"&H10", 16},   {"&hff", 255},     {"&O17", 15},
        {"&o777", 511}, {"&H", 0},         {"&Hxyz", 0},
        {"&O8", 0},     {"-&H10", 0},      {"& H 1 F", 31},
        {"1e-400", 0},  {"\r5", 0},        {"1e-310", 1e-310},
    };
    for (const auto& c : cases) EXPECT_EQ(LenientValue(c.text), c.expected) << "'" << c.text << "'";
}

TEST(LenientNumber, takes_the_locales_separator_instead_of_the_period)
{
    EXPECT_EQ(LenientValue("17,01   Ft. Lb.", ","), 17.01);
    EXPECT_EQ(LenientValue("17.01   Ft. Lb.", ","), 17);
    EXPECT_EQ(LenientValue("7842800,25", ","), 7842800.25);
}

TEST(LenientNumber, radix_numbers_take_every_digit_and_round_to_the_nearest_double)
{
    EXPECT_EQ(LenientValue("&HAbCdEf"), 11259375.0);
    EXPECT_EQ(LenientValue("&O01234567"), 342391.0);
    // 2^53 + 1 is not a double; it rounds to the even neighbour 2^53.
    EXPECT_EQ(LenientValue("&H20000000000001"), 9007199254740992.0);
    EXPECT_EQ(LenientValue("&O400000000000000001"), 9007199254740992.0);
    EXPECT_EQ(LenientValue("&O1777777777777777777777"), 18446744073709551615.0);
}

TEST(LenientNumber, a_number_beyond_the_double_range_is_an_overflow)
{
    for (const std::string& text :
         {std::string("1e999 gr"), std::string("&H") + std::string(300, 'F'),
          std::string("&O") + std::string(400, '7')}) {
        const auto outcome = LenientNumber(text, ".");
        ASSERT_FALSE(outcome.ok()) << text;
        EXPECT_TRUE(outcome.failure().is(NumberFailure::Overflow)) << text;
    }
}

TEST(NumberText, writes_ordinary_magnitudes_in_positional_form)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {7840000, "7840000"},
        {12.34, "12.34"},
        {0.5, "0.5"},
        {-5, "-5"},
        {0, "0"},
        {-0.0, "0"},
        {150.0, "150"},
        {0.1 + 0.2, "0.3"},
        {2.0 / 3.0, "0.666666666666667"},
        {123456789012345, "123456789012345"},
        {0.00001, "0.00001"},
        {17.008322412697286, "17.0083224126973"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberText(c.value, "."), c.text) << c.text;
}

TEST(NumberText, writes_very_large_and_very_small_magnitudes_with_an_exponent)
{
    EXPECT_EQ(NumberText(1e15, "."), "1E+15");
    EXPECT_EQ(NumberText(999999999999999.9, "."), "1E+15");
    EXPECT_EQ(NumberText(-1.5e20, "."), "-1.5E+20");
    EXPECT_EQ(NumberText(0.000001, "."), "1E-06");
    EXPECT_EQ(NumberText(1.25e-7, ","), "1,25E-07");
    EXPECT_EQ(NumberText(5e-324, "."), "4.94065645841247E-324");
    // Rounding the largest double up would write a number beyond the range.
    EXPECT_EQ(NumberText(std::numeric_limits<double>::max(), "."), "1.79769313486231E+308");
    const auto back = LenientNumber(NumberText(-std::numeric_limits<double>::max(), "."), ".");
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.value(), -1.79769313486231e308);
}

TEST(NumberText, writes_the_locales_separator)
{
    EXPECT_EQ(NumberText(7842800.25, ","), "7842800,25");
    EXPECT_EQ(NumberText(0.5, ","), "0,5");
}

// What the list and the muzzle energy rely on: a number written and read back
// is the number rounded to 15 significant digits, for every finite double.
TEST(NumberText, reads_back_as_the_number_rounded_to_15_digits)
{
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value)) continue;
        char buffer[64];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14)
                .ptr;
        double expected = 0;
        // Out of range only at the very top of the range; see above.
        if (std::from_chars(buffer, end, expected).ec != std::errc()) continue;
        for (const char* separator : {".", ","}) {
            const auto back = LenientNumber(NumberText(value, separator), separator);
            ASSERT_TRUE(back.ok()) << value;
            ASSERT_EQ(back.value(), expected) << value << " as " << NumberText(value, separator);
        }
    }
}
