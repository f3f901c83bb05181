#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "editor_launcher.h"
#include "report_location.h"

namespace fs = std::filesystem;

namespace {

std::string WaitForRecord(const fs::path& path)
{
    for (int tries = 0; tries < 300 && !fs::exists(path); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(EditorStart, starts_notepad_on_the_report_file_minimized)
{
    const fs::path record = fs::temp_directory_path() / "tolbrek-notepad-record.txt";
    fs::remove(record);
    ASSERT_TRUE(SetEnvironmentVariableW(L"TOLBREK_NOTEPAD_RECORD", record.wstring().c_str()));

    // Notepad is let go once started: nothing watches it.
    struct NoWatch final : tolbrek::ChildWatch {
        void watch(int, tolbrek::ProgramEnded) override { ADD_FAILURE() << "Notepad was watched"; }
    } children;
    tolbrek::MakeSystemEditorLauncher(children)->open(tolbrek::ReportFilePath(), {});

    // The command line, whether the window state was given, and the state.
    EXPECT_EQ(WaitForRecord(record),
              "notepad C:\\Text.txt\n1\n" + std::to_string(SW_SHOWMINIMIZED) + "\n");
    fs::remove(record);
}

TEST(EditorStart, the_report_file_is_on_drive_c)
{
    EXPECT_EQ(tolbrek::ReportFilePath(), "C:\\Text.txt");
}
