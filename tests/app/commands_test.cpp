// Clear All, Populate List, Save Data and the error guard over a stand-in
// window: what each command does to the fields, the list and the report,
// and that a failure is reported while everything gathered stays.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <random>
#include <utility>

#include "command_guard.h"
#include "load_commands.h"
#include "number_failure.h"
#include "quoted_text.h"
#include "scratch_commands.h"

namespace fs = std::filesystem;
using tolbrek::Command;
using tolbrek::CommandFailure;
using tolbrek::FailureError;
using tolbrek::FailureKind;
using tolbrek::LoadField;
using tolbrek::NumberFailure;

namespace {

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
class CommandsTest : public ::testing::Test, protected ScratchCommands {
protected:
    CommandsTest() : ScratchCommands("commands") {}
};

}  // namespace

TEST_F(CommandsTest, clear_all_empties_the_seven_fields_and_keeps_the_list)
{
    TypeWorkedLoad(m_view);
    m_view.lines = {"gathered"};
    run(Command::ClearAll);
    ASSERT_EQ(m_view.fields.size(), 7u);
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
// late report that names the saved file and says that it is saved, never
// that a command was stopped.
TEST_F(CommandsTest, an_editor_that_ends_with_a_failure_is_reported_late_naming_the_report)
{
    run(Command::SaveData);
    ASSERT_EQ(m_editor->opened.size(), 1u);
    m_editor->opened[0].ended(0);
    EXPECT_TRUE(m_view.lateFailures.empty());
    m_editor->opened[0].ended(3);
    ASSERT_EQ(m_view.lateFailures.size(), 1u);
    EXPECT_TRUE(m_view.errors.empty());
    EXPECT_EQ(m_view.lateFailures[0].number, 1007);
    const std::string text = tolbrek::ErrorReportText(m_view.lateFailures[0]);
    EXPECT_NE(text.find("status 3) on " + m_report), std::string::npos) << text;
    EXPECT_NE(text.find("saved there in full"), std::string::npos) << text;
    EXPECT_EQ(text.find("stopped"), std::string::npos) << text;
}

TEST_F(CommandsTest, no_report_place_means_nothing_is_written)
{
    m_report.clear();
    run(Command::SaveData);
    ASSERT_EQ(m_view.errors.size(), 1u);
    EXPECT_EQ(m_view.errors[0].description, "no home folder");
    EXPECT_TRUE(fs::is_empty(m_folder.path()));
    EXPECT_TRUE(m_editor->opened.empty());
}

namespace {

// Stands in for a file service where nothing is written.
class NoFiles final : public tolbrek::FileService {
public:
    std::unique_ptr<tolbrek::ByteStream> replaceFile(const std::string& /*path*/) override
    {
        struct Stream final : tolbrek::ByteStream {
            void write(std::string_view /*bytes*/) override {}
            void close() override {}
        };
        return std::make_unique<Stream>();
    }
};

// Stands in for a narrow encoding that lacks the infinity sign: a line
// holding one loses it.
std::string LosingInfinity(std::string_view utf8, bool* lost)
{
    if (lost) *lost = utf8.find("\xE2\x88\x9E") != std::string_view::npos;
    return std::string(utf8);
}

}  // namespace

// Characters that the report's encoding lacks are told of once, after the
// report is written and the editor has started, naming the first line
// concerned; a report that lost nothing says nothing.
TEST(SaveDataNotice, names_the_first_line_that_lost_characters_after_the_editor_started)
{
    StandInView view;
    auto editor = std::make_unique<RecordingEditor>();
    RecordingEditor& started = *editor;
    tolbrek::LoadCommands commands(view, {std::make_unique<NoFiles>(),
                                          std::move(editor),
                                          [] { return "C:\\Text.txt"; },
                                          {},
                                          &LosingInfinity});

    view.lines = {"Cartridge  .308", "", "Cartridge  7mm \xE2\x88\x9E A", "",
                  "Cartridge  \xE2\x88\x9E B"};
    commands.run(Command::SaveData);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(started.opened.size(), 1u);
    const std::string& notice = view.messages[0];
    EXPECT_NE(notice.find("C:\\Text.txt"), std::string::npos) << notice;
    EXPECT_NE(notice.find("line 3:\n\nCartridge  7mm \xE2\x88\x9E A"), std::string::npos) << notice;
    EXPECT_EQ(notice.find(" B"), std::string::npos) << notice;

    started.fails = true;  // the error box alone: the notice waits for the editor
    commands.run(Command::SaveData);
    EXPECT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.errors.size(), 1u);

    started.fails = false;
    view.lines = {"Cartridge  .308", ""};
    commands.run(Command::SaveData);
    EXPECT_EQ(view.messages.size(), 1u);
}

// A box quotes the start of the user's text, 60 characters at the most with
// the ellipsis, and never cuts a character in two.
TEST(QuotedText, keeps_sixty_characters_at_the_most_never_half_of_one)
{
    const std::string infinity = "\xE2\x88\x9E";  // three bytes in UTF-8
    std::string sixty;
    for (int i = 0; i < 60; ++i) sixty += infinity;
    const std::string ellipsis = "\xE2\x80\xA6";
    const std::pair<std::string, std::string> cases[] = {
        {".308", ".308"},
        {sixty, sixty},
        {sixty + "W", sixty.substr(0, 59 * infinity.size()) + ellipsis},
        {std::string(1'000'000, 'W'), std::string(59, 'W') + ellipsis},
    };
    for (const auto& [text, quoted] : cases) {
        EXPECT_EQ(tolbrek::QuotedText(text), quoted) << text.size() << " bytes";
    }
}

TEST(CommandGuard, any_exception_becomes_a_numbered_report)
{
    StandInView view;
    tolbrek::RunGuarded(view,
                        [] { throw FailureError(tolbrek::MakeFailure(NumberFailure::Overflow)); });
    tolbrek::RunGuarded(view, [] { throw std::bad_alloc(); });
    tolbrek::RunGuarded(view, [] { throw std::runtime_error("disk on fire"); });
    tolbrek::RunGuarded(view, [] { throw 42; });
    tolbrek::RunGuarded(
        view, [] { throw FailureError(tolbrek::MakeFailure(NumberFailure::InvalidOperation)); });
    ASSERT_EQ(view.errors.size(), 5u);
    EXPECT_EQ(view.errors[0].number, 1002);
    EXPECT_TRUE(view.errors[1].is(CommandFailure::OutOfMemory));
    EXPECT_TRUE(view.errors[2].is(CommandFailure::Unexpected));
    EXPECT_NE(view.errors[2].description.find("disk on fire"), std::string::npos);
    EXPECT_TRUE(view.errors[3].is(CommandFailure::Unexpected));
    for (const int unexpected : {2, 3}) EXPECT_EQ(view.errors[unexpected].number, 1009);
    EXPECT_EQ(view.errors[4].number, 1004);
    EXPECT_TRUE(tolbrek::ErrorReportText(view.errors[0]).starts_with("Error 1002: Overflow"));
}

TEST(CommandGuard, a_report_that_cannot_be_shown_does_not_end_the_program)
{
    StandInView view;
    view.messagesFail = true;
    EXPECT_NO_THROW(tolbrek::RunGuarded(view, [] { throw std::runtime_error("first"); }));
}
