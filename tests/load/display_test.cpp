#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "result_display.h"

using tolbrek::EnergyDisplay;
using tolbrek::FixedDecimals;
using tolbrek::RecoilDisplay;

TEST(ResultDisplay, shows_the_worked_load_with_each_units_own_blanks)
{
    EXPECT_EQ(RecoilDisplay(17.008322412697286, "."), "17.01   Ft. Lb.");
    EXPECT_EQ(EnergyDisplay(2611.9402985074626, "."), "2611.9  Ft. Lb.");
    EXPECT_EQ(RecoilDisplay(0.5, "."), "0.50   Ft. Lb.");
    EXPECT_EQ(EnergyDisplay(0.0, "."), "0.0  Ft. Lb.");
}

TEST(ResultDisplay, an_unset_result_shows_no_digit)
{
    EXPECT_EQ(RecoilDisplay(std::nullopt, "."), "");
    EXPECT_EQ(EnergyDisplay(std::nullopt, "."), "  Ft. Lb.");
}

TEST(ResultDisplay, writes_the_locales_separator_and_keeps_the_periods_of_the_unit)
{
    EXPECT_EQ(RecoilDisplay(17.008322412697286, ","), "17,01   Ft. Lb.");
    EXPECT_EQ(EnergyDisplay(2612.8732176172707, ","), "2612,9  Ft. Lb.");
}

TEST(FixedDecimals, rounds_halves_away_from_zero_as_the_number_is_written)
{
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {2.675, 2, "2.68"},   {0.125, 2, "0.13"},
        {-0.125, 2, "-0.13"}, {0.05, 1, "0.1"},
        {-0.05, 1, "-0.1"},   {1.005, 2, "1.01"},
        {0.004, 2, "0.00"},   {-0.004, 2, "0.00"},
        {-0.0, 2, "0.00"},    {9.995, 2, "10.00"},
        {99.95, 1, "100.0"},  {0.0001, 2, "0.00"},
        {0.009, 2, "0.01"},   {1234567.891, 1, "1234567.9"},
        {-17.5, 0, "-18"},    {1e20, 2, "100000000000000000000.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FixedDecimals(c.value, c.decimals, "."), c.text) << c.value;
    }
}

TEST(FixedDecimals, writes_the_whole_double_range_without_grouping)
{
    const std::string largest = FixedDecimals(std::numeric_limits<double>::max(), 2, ".");
    EXPECT_EQ(largest.size(), 309u + 3u);
    EXPECT_EQ(largest.substr(0, 15), "179769313486232");
    EXPECT_EQ(FixedDecimals(std::numeric_limits<double>::denorm_min(), 2, "."), "0.00");
}
