#include <gtest/gtest.h>

#include "load_formulas.h"

using tolbrek::FreeRecoilEnergy;
using tolbrek::LoadTexts;
using tolbrek::MuzzleEnergy;
using tolbrek::NumberFailure;

namespace {

// Reference figures computed independently, one rounded double operation at a
// time, in the order the formulas take them.
struct RecoilCase {
    LoadTexts load;
    double expected;
};

void ExpectFailure(const tolbrek::NumberOutcome& outcome, NumberFailure entry)
{
    ASSERT_FALSE(outcome.ok()) << "got " << outcome.value();
    EXPECT_TRUE(outcome.failure().is(entry)) << outcome.failure().description;
}

}  // namespace

TEST(FreeRecoilEnergy, matches_the_reference_to_the_bit)
{
    const RecoilCase cases[] = {
        {{"150", "50", "2800", "8"}, 17.008322412697286},
        {{"180", "60", "2700", "9.5"}, 19.6909967999593},
        {{"55", "25.5", "3240", "7.25"}, 3.8860565178950663},
        {{" 150 ", "50", "2800", "-8"}, -17.008322412697286},
        {{"0", "0", "0", "1"}, 0.0},
    };
    for (const auto& c : cases) {
        const auto outcome = FreeRecoilEnergy(c.load, ".");
        ASSERT_TRUE(outcome.ok());
        EXPECT_EQ(outcome.value(), c.expected) << c.load.bullet << " " << c.load.gun;
    }
}

TEST(FreeRecoilEnergy, fails_with_the_kind_of_its_first_failed_step)
{
    ExpectFailure(FreeRecoilEnergy({"150", "50", "2800", "0"}, "."), NumberFailure::DivisionByZero);
    ExpectFailure(FreeRecoilEnergy({"0", "0", "2800", "0"}, "."), NumberFailure::InvalidOperation);
    ExpectFailure(FreeRecoilEnergy({"150", "50", "2800", ""}, "."), NumberFailure::TypeMismatch);
    ExpectFailure(FreeRecoilEnergy({"150", "50", "2800", "8 lb"}, "."),
                  NumberFailure::TypeMismatch);
    ExpectFailure(FreeRecoilEnergy({"", "50", "2800", "8"}, "."), NumberFailure::TypeMismatch);
    ExpectFailure(FreeRecoilEnergy({"abc", "50", "2800", "8"}, "."), NumberFailure::TypeMismatch);
    ExpectFailure(FreeRecoilEnergy({"150", "50", "", "8"}, "."), NumberFailure::TypeMismatch);
    ExpectFailure(FreeRecoilEnergy({"150", "50", "1e300", "8"}, "."), NumberFailure::Overflow);
    ExpectFailure(FreeRecoilEnergy({"150", "50", "2800", "1e307"}, "."), NumberFailure::Overflow);
    // A tiny gun weight: the divisor underflows to zero, which is no failure
    // until the division by it.
    ExpectFailure(FreeRecoilEnergy({"150", "50", "2800", "1e-324"}, "."),
                  NumberFailure::DivisionByZero);
}

TEST(MuzzleEnergy, matches_the_reference_to_the_bit)
{
    EXPECT_EQ(MuzzleEnergy("2800", "150", ".").value(), 2611.9402985074626);
    EXPECT_EQ(MuzzleEnergy("2700", "180", ".").value(), 2914.445628997868);
    EXPECT_EQ(MuzzleEnergy("-2800", "150", ".").value(), 2611.9402985074626);
    // The squared velocity is taken as its 15-digit text gives it.
    EXPECT_EQ(MuzzleEnergy("123456789.123", "150", ".").value(), 5077818090538.679);
}

TEST(MuzzleEnergy, reads_the_bullet_weight_leniently_but_the_velocity_strictly)
{
    EXPECT_EQ(MuzzleEnergy("2800", "", ".").value(), 0.0);
    EXPECT_EQ(MuzzleEnergy("2800", "abc", ".").value(), 0.0);
    EXPECT_EQ(MuzzleEnergy("2800", "150 gr", ".").value(), 2611.9402985074626);
    ExpectFailure(MuzzleEnergy("", "150", "."), NumberFailure::TypeMismatch);
    ExpectFailure(MuzzleEnergy("2800 fps", "150", "."), NumberFailure::TypeMismatch);
    ExpectFailure(MuzzleEnergy("1e200", "150", "."), NumberFailure::Overflow);
    ExpectFailure(MuzzleEnergy("1e150", "1e300", "."), NumberFailure::Overflow);
    ExpectFailure(MuzzleEnergy("2800", "1e999", "."), NumberFailure::Overflow);
}

TEST(MuzzleEnergy, keeps_the_fraction_of_the_squared_velocity_in_a_comma_locale)
{
    // 2800,5 squared is 7842800,25; reading it back with the period alone
    // would drop the ,25 and give 2612.873134328358.
    EXPECT_EQ(MuzzleEnergy("2800,5", "150", ",").value(), 2612.8732176172707);
    EXPECT_EQ(MuzzleEnergy("2800,5", "150 gr", ",").value(), 2612.8732176172707);
}
