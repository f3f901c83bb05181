#include "load_summary.h"

#include <gtest/gtest.h>

#include "memory_load.h"
#include "number_failure.h"

using tolbrek::AppendLoadSummary;
using tolbrek::LoadField;

namespace {

const std::vector<std::string> kEmptyLoadLines = {
    "Cartridge  ",
    "",
    "0  Bullet Weight Grains",
    "0  Powder Charge Grains",
    "0  Velocity FPS",
    "0  Gun Weight Pounds",
    "0  Recoil Foot Pounds Free Energy",
    "0  Muzzle Energy Foot Pounds",
};

// The number text a single field gives in its summary line.
std::string NumberPart(LoadField field, const std::string& text, const char* separator = ".")
{
    MemoryForm form;
    form.fields[field] = text;
    MemoryList list;
    AppendLoadSummary(form, list, separator);
    const std::string& line = list.lines.at(2 + static_cast<int>(field) - 1);
    return line.substr(0, line.find("  "));
}

}  // namespace

TEST(LoadSummary, an_empty_load_gives_the_labels_with_zeros)
{
    MemoryList list;
    AppendLoadSummary(MemoryForm(), list, ".");
    EXPECT_EQ(list.lines, kEmptyLoadLines);
}

TEST(LoadSummary, the_worked_load_gives_its_eight_lines)
{
    MemoryList list;
    AppendLoadSummary(WorkedLoadForm(), list, ".");
    EXPECT_EQ(list.lines, (std::vector<std::string>{
                              "Cartridge  .308",
                              "",
                              "150  Bullet Weight Grains",
                              "50  Powder Charge Grains",
                              "2800  Velocity FPS",
                              "8  Gun Weight Pounds",
                              "17.01  Recoil Foot Pounds Free Energy",
                              "2611.9  Muzzle Energy Foot Pounds",
                          }));
}

TEST(LoadSummary, number_fields_are_normalised)
{
    const struct {
        LoadField field;
        const char* text;
        const char* number;
    } cases[] = {
        {LoadField::Bullet, "150 gr", "150"},
        {LoadField::Bullet, "1 50", "150"},
        {LoadField::Bullet, "150.0", "150"},
        {LoadField::Powder, "abc", "0"},
        {LoadField::Velocity, "1,500", "1"},
        {LoadField::Gun, "-5", "-5"},
        {LoadField::Recoil, "0.50   Ft. Lb.", "0.5"},
        {LoadField::Recoil, "17.00   Ft. Lb.", "17"},
        {LoadField::Energy, "2611.0  Ft. Lb.", "2611"},
        {LoadField::Energy, "  Ft. Lb.", "0"},
        {LoadField::Energy, "", "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberPart(c.field, c.text), c.number) << c.text;
}

TEST(LoadSummary, keeps_the_caliber_exactly_as_typed)
{
    for (const std::string caliber : {" .308 ", ".308", "30-06 Sprg",
                                      "7,5\xC3\x97"
                                      "55"}) {
        MemoryForm form;
        form.fields[LoadField::Caliber] = caliber;
        MemoryList list;
        AppendLoadSummary(form, list, ".");
        EXPECT_EQ(list.lines.front(), "Cartridge  " + caliber);
    }
}

TEST(LoadSummary, a_comma_locale_keeps_the_fractions_tolbrek_wrote)
{
    EXPECT_EQ(NumberPart(LoadField::Recoil, "17,01   Ft. Lb.", ","), "17,01");
    EXPECT_EQ(NumberPart(LoadField::Velocity, "2800,5", ","), "2800,5");
    EXPECT_EQ(NumberPart(LoadField::Velocity, "2800.5", ","), "2800");
}

TEST(LoadSummary, each_click_appends_a_block_after_the_last_line)
{
    MemoryList list;
    AppendLoadSummary(WorkedLoadForm(), list, ".");
    AppendLoadSummary(MemoryForm(), list, ".");
    ASSERT_EQ(list.lines.size(), 16u);
    EXPECT_EQ(list.lines[7], "2611.9  Muzzle Energy Foot Pounds");
    EXPECT_EQ(list.lines[8], "Cartridge  ");
}

TEST(LoadSummary, a_number_beyond_range_stops_after_the_lines_already_appended)
{
    MemoryForm form = WorkedLoadForm();
    form.fields[LoadField::Velocity] = "1e999";
    MemoryList list;
    try {
        AppendLoadSummary(form, list, ".");
        FAIL() << "expected an overflow";
    } catch (const tolbrek::FailureError& error) {
        EXPECT_TRUE(error.failure().is(tolbrek::NumberFailure::Overflow));
    }
    EXPECT_EQ(list.lines.size(), 4u);
    EXPECT_EQ(list.lines.back(), "50  Powder Charge Grains");
}
