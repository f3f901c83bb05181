// The Calculate command over a stand-in window: warnings for empty fields in
// order, both results always rewritten, every failure skipped silently.

#include <gtest/gtest.h>

#include <set>

#include "load_commands.h"
#include "stand_in_view.h"

using tolbrek::LoadField;

namespace {

struct Calculation {
    explicit Calculation(std::map<LoadField, std::string> load = {})
    {
        view.fields = std::move(load);
        view.fields[LoadField::Recoil] = "old";
        view.fields[LoadField::Energy] = "old";
    }
    void run() { tolbrek::LoadCommands(view, {}).run(tolbrek::Command::Calculate); }
    std::string recoil() const { return view.fields.at(LoadField::Recoil); }
    std::string energy() const { return view.fields.at(LoadField::Energy); }

    StandInView view;
};

std::map<LoadField, std::string> WorkedLoad()
{
    return {{LoadField::Bullet, "150"},
            {LoadField::Powder, "50"},
            {LoadField::Velocity, "2800"},
            {LoadField::Gun, "8"}};
}

const std::vector<std::string> kAllWarnings = {"Please Enter Bullet Weight",
                                               "Please Enter Powder Weight",
                                               "Please Enter Velocity", "Please Enter Gun Weight"};

}  // namespace

// Calculate reads the four numbers only (a caliber or an old result never
// enters a formula) and writes the two results only.
TEST(Calculate, reads_the_four_numbers_and_writes_the_two_results_and_nothing_else)
{
    Calculation c(WorkedLoad());
    c.view.fields[LoadField::Caliber] = "9e9";
    c.run();
    EXPECT_TRUE(c.view.messages.empty());
    EXPECT_EQ(c.recoil(), "17.01   Ft. Lb.");
    EXPECT_EQ(c.energy(), "2611.9  Ft. Lb.");
    const std::set<std::string> touched(c.view.log.begin(), c.view.log.end());
    EXPECT_EQ(touched, (std::set<std::string>{"read Bullet", "read Powder", "read Velocity",
                                              "read Gun", "write Recoil", "write Energy"}));
}

TEST(Calculate, warns_about_each_empty_field_in_order_and_still_rewrites_both_results)
{
    Calculation c;
    c.run();
    EXPECT_EQ(c.view.messages, kAllWarnings);
    EXPECT_EQ(c.recoil(), "");
    EXPECT_EQ(c.energy(), "  Ft. Lb.");
}

TEST(Calculate, an_empty_bullet_weight_still_gives_a_muzzle_energy_of_zero)
{
    auto load = WorkedLoad();
    load[LoadField::Bullet] = "";
    Calculation c(load);
    c.run();
    EXPECT_EQ(c.view.messages, std::vector<std::string>{"Please Enter Bullet Weight"});
    EXPECT_EQ(c.recoil(), "");
    EXPECT_EQ(c.energy(), "0.0  Ft. Lb.");
}

TEST(Calculate, a_recoil_that_cannot_be_computed_is_skipped_silently)
{
    for (const char* gun : {"0", "8 lb", "   ", "1e-320"}) {
        auto load = WorkedLoad();
        load[LoadField::Gun] = gun;
        Calculation c(load);
        c.run();
        EXPECT_TRUE(c.view.messages.empty()) << gun;
        EXPECT_EQ(c.recoil(), "") << gun;
        EXPECT_EQ(c.energy(), "2611.9  Ft. Lb.") << gun;
    }
}

TEST(Calculate, a_comma_locale_reads_and_writes_commas)
{
    auto load = WorkedLoad();
    load[LoadField::Velocity] = "2800,5";
    Calculation c(load);
    c.view.separator = ",";
    c.run();
    EXPECT_EQ(c.recoil(), "17,01   Ft. Lb.");
    EXPECT_EQ(c.energy(), "2612,9  Ft. Lb.");
}

// A field that cannot be read counts as empty for its warning; the formulas
// that need it are skipped.
TEST(Calculate, a_field_that_cannot_be_read_draws_its_warning_and_the_rest_goes_on)
{
    Calculation c(WorkedLoad());
    c.view.unreadable = {LoadField::Bullet};
    c.run();
    EXPECT_EQ(c.view.messages, std::vector<std::string>{"Please Enter Bullet Weight"});
    EXPECT_EQ(c.recoil(), "");
    EXPECT_EQ(c.energy(), "  Ft. Lb.");
}

TEST(Calculate, boxes_and_writes_that_fail_are_skipped_and_nothing_escapes)
{
    Calculation boxes;
    boxes.view.messagesFail = true;
    boxes.run();
    EXPECT_EQ(boxes.energy(), "  Ft. Lb.");

    Calculation writes(WorkedLoad());
    writes.view.unwritable = {LoadField::Recoil};
    writes.run();
    EXPECT_EQ(writes.recoil(), "old");
    EXPECT_EQ(writes.energy(), "2611.9  Ft. Lb.");
    EXPECT_TRUE(writes.view.errors.empty());
}
