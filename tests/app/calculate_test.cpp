// The Calculate command over a stand-in window: warnings for empty fields in
// order, both results always rewritten, every failure skipped silently.

#include <gtest/gtest.h>

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

TEST(Calculate, runs_its_statements_in_order_and_never_reads_the_caliber)
{
    Calculation c(WorkedLoad());
    c.run();
    EXPECT_TRUE(c.view.messages.empty());
    EXPECT_EQ(c.recoil(), "17.01   Ft. Lb.");
    EXPECT_EQ(c.energy(), "2611.9  Ft. Lb.");
    EXPECT_EQ(c.view.log, (std::vector<std::string>{
                              "read Bullet", "read Powder", "read Velocity", "read Gun",
                              "read Velocity", "read Powder", "read Gun", "read Bullet",
                              "write Recoil", "read Velocity", "read Bullet", "write Energy"}));
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
