// Clear All, Populate List, Save Data and the error guard over a stand-in
// window: what each command does to the fields, the list and the report,
// and that a failure is reported while everything gathered stays.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <random>

#include "command_guard.h"
#include "failure.h"
#include "load_commands.h"
#include "stand_in_view.h"

namespace fs = std::filesystem;
using tolbrek::Command;
using tolbrek::FailureError;
using tolbrek::FailureKind;
using tolbrek::LoadField;

namespace {

// Records each start, with the bytes the report held at that moment.
class RecordingEditor final : public tolbrek::EditorLauncher {
public:
    void open(const std::string& path, tolbrek::ProgramEnded ended) override
    {
        if (fails) throw FailureError(tolbrek::MakeFailure(FailureKind::EditorNotStarted));
        std::ifstream in(path, std::ios::binary);
        opened.push_back({path, {std::istreambuf_iterator<char>(in), {}}, std::move(ended)});
    }
    struct Start {
        std::string path;
        std::string bytes;
        tolbrek::ProgramEnded ended;
    };
    std::vector<Start> opened;
    bool fails = false;
};

// The window's data fields holding the worked load, after Calculate.
void TypeWorkedLoad(StandInView& view)
{
    view.fields = {{LoadField::Caliber, ".308"},
                   {LoadField::Bullet, "150"},
                   {LoadField::Powder, "50"},
                   {LoadField::Velocity, "2800"},
                   {LoadField::Gun, "8"},
                   {LoadField::Recoil, "17.01   Ft. Lb."},
                   {LoadField::Energy, "2611.9  Ft. Lb."}};
}

// A window with its commands over a scratch report folder, the real file
// service and a recording editor.
class CommandsTest : public ::testing::Test {
protected:
    CommandsTest()
        : m_folder(fs::temp_directory_path() /
                   ("tolbrek-commands-" + std::to_string(std::random_device()()))),
          m_report((m_folder / "Text.txt").string())
    {
        fs::create_directories(m_folder);
        auto editor = std::make_unique<RecordingEditor>();
        m_editor = editor.get();
        m_commands = std::make_unique<tolbrek::LoadCommands>(
            m_view, tolbrek::CommandServices{tolbrek::MakeStandardFileService(), std::move(editor),
                                             [this] { return reportPlace(); }});
    }
    ~CommandsTest() override
    {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }

    void run(Command command) { m_commands->run(command); }

    // The report's path; an emptied one stands for a system with no home.
    std::string reportPlace() const
    {
        if (m_report.empty()) throw FailureError({FailureKind::System, 2, "no home folder"});
        return m_report;
    }

    std::string reportBytes() const
    {
        std::ifstream in(m_report, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path m_folder;
    std::string m_report;
    StandInView m_view;
    RecordingEditor* m_editor = nullptr;
    std::unique_ptr<tolbrek::LoadCommands> m_commands;
};

}  // namespace

TEST_F(CommandsTest, clear_all_empties_the_seven_fields_in_order_and_keeps_the_list)
{
    TypeWorkedLoad(m_view);
    m_view.lines = {"gathered"};
    run(Command::ClearAll);
    EXPECT_EQ(m_view.log, (std::vector<std::string>{"write Bullet", "write Powder",
                                                    "write Velocity", "write Gun", "write Recoil",
                                                    "write Energy", "write Caliber"}));
    for (const auto& [field, text] : m_view.fields) EXPECT_EQ(text, "");
    EXPECT_EQ(m_view.lines, std::vector<std::string>{"gathered"});
    EXPECT_TRUE(m_view.messages.empty() && m_view.errors.empty());
}

TEST_F(CommandsTest, clear_all_stops_at_a_field_that_cannot_be_written)
{
    TypeWorkedLoad(m_view);
    m_view.unwritable = {LoadField::Gun};
    run(Command::ClearAll);
    ASSERT_EQ(m_view.errors.size(), 1u);
    EXPECT_EQ(m_view.fields[LoadField::Velocity], "");
    EXPECT_EQ(m_view.fields[LoadField::Gun], "8");
    EXPECT_EQ(m_view.fields[LoadField::Caliber], ".308");
}

TEST_F(CommandsTest, populate_list_appends_the_summary_in_the_locales_numbers)
{
    TypeWorkedLoad(m_view);
    m_view.fields[LoadField::Recoil] = "17,01   Ft. Lb.";
    m_view.separator = ",";
    run(Command::PopulateList);
    run(Command::PopulateList);
    ASSERT_EQ(m_view.lines.size(), 16u);
    EXPECT_EQ(m_view.lines[0], "Cartridge  .308");
    EXPECT_EQ(m_view.lines[6], "17,01  Recoil Foot Pounds Free Energy");
    EXPECT_EQ(m_view.lines[8], "Cartridge  .308");
    EXPECT_TRUE(m_view.errors.empty());
}

TEST_F(CommandsTest, populate_list_keeps_every_line_appended_before_a_failure)
{
    m_view.lines = {"gathered"};
    m_view.failingAppendAt = 4;
    run(Command::PopulateList);
    ASSERT_EQ(m_view.errors.size(), 1u);
    EXPECT_EQ(m_view.lines.size(), 4u);
    EXPECT_EQ(m_view.lines[0], "gathered");
}

TEST_F(CommandsTest, save_data_writes_the_list_then_opens_the_complete_report)
{
    TypeWorkedLoad(m_view);
    run(Command::PopulateList);
    run(Command::SaveData);
    EXPECT_TRUE(m_view.errors.empty());
    ASSERT_EQ(m_editor->opened.size(), 1u);
    EXPECT_EQ(m_editor->opened[0].path, m_report);
    EXPECT_EQ(m_editor->opened[0].bytes.size(), 188u);
    EXPECT_EQ(reportBytes(), m_editor->opened[0].bytes);
    EXPECT_EQ(m_view.lines.size(), 8u);

    m_view.lines.clear();
    run(Command::SaveData);
    EXPECT_EQ(reportBytes(), "");
    EXPECT_EQ(m_editor->opened.size(), 2u);
}

TEST_F(CommandsTest, save_data_reports_each_failure_and_keeps_the_list)
{
    TypeWorkedLoad(m_view);
    run(Command::PopulateList);

    fs::create_directory(m_report);  // a folder where the report should be
    run(Command::SaveData);
    fs::remove(m_report);
    EXPECT_TRUE(m_editor->opened.empty());

    m_editor->fails = true;  // the report is saved all the same
    run(Command::SaveData);
    EXPECT_EQ(reportBytes().size(), 188u);

    ASSERT_EQ(m_view.errors.size(), 2u);
    EXPECT_EQ(m_view.errors[0].kind, FailureKind::System);
    EXPECT_NE(m_view.errors[0].description.find(m_report), std::string::npos);
    EXPECT_EQ(m_view.errors[1].number, 1006);
    EXPECT_EQ(m_view.lines.size(), 8u);
}

// The editor is never waited for; a failure it ends with comes later, as a
// report that names the saved file.
TEST_F(CommandsTest, an_editor_that_ends_with_a_failure_is_reported_later)
{
    run(Command::SaveData);
    ASSERT_EQ(m_editor->opened.size(), 1u);
    m_editor->opened[0].ended(0);
    EXPECT_TRUE(m_view.errors.empty());
    m_editor->opened[0].ended(3);
    ASSERT_EQ(m_view.errors.size(), 1u);
    EXPECT_EQ(m_view.errors[0].number, 1007);
    EXPECT_NE(m_view.errors[0].description.find("status 3"), std::string::npos);
    EXPECT_NE(m_view.errors[0].description.find(m_report + "; the report is saved"),
              std::string::npos);
}

TEST_F(CommandsTest, no_report_place_means_nothing_is_written)
{
    m_report.clear();
    run(Command::SaveData);
    ASSERT_EQ(m_view.errors.size(), 1u);
    EXPECT_EQ(m_view.errors[0].description, "no home folder");
    EXPECT_TRUE(fs::is_empty(m_folder));
    EXPECT_TRUE(m_editor->opened.empty());
}

TEST(CommandGuard, any_exception_becomes_a_numbered_report)
{
    StandInView view;
    tolbrek::RunGuarded(view,
                        [] { throw FailureError(tolbrek::MakeFailure(FailureKind::Overflow)); });
    tolbrek::RunGuarded(view, [] { throw std::bad_alloc(); });
    tolbrek::RunGuarded(view, [] { throw std::runtime_error("disk on fire"); });
    tolbrek::RunGuarded(view, [] { throw 42; });
    ASSERT_EQ(view.errors.size(), 4u);
    EXPECT_EQ(view.errors[0].number, 1002);
    EXPECT_EQ(view.errors[1].kind, FailureKind::OutOfMemory);
    EXPECT_EQ(view.errors[2].kind, FailureKind::Unexpected);
    EXPECT_NE(view.errors[2].description.find("disk on fire"), std::string::npos);
    EXPECT_EQ(view.errors[3].kind, FailureKind::Unexpected);
    EXPECT_TRUE(tolbrek::ErrorReportText(view.errors[0]).starts_with("Error 1002: Overflow"));
}

TEST(CommandGuard, a_report_that_cannot_be_shown_does_not_end_the_program)
{
    StandInView view;
    view.messagesFail = true;
    EXPECT_NO_THROW(tolbrek::RunGuarded(view, [] { throw std::runtime_error("first"); }));
}
