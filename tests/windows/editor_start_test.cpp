#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "editor_launcher.h"
#include "notepad_launcher_windows.h"
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

// The stand-in Notepad, built into a folder of its own beside this program.
fs::path StandInNotepad()
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    return fs::path(self).parent_path() / "stand-in" / "notepad.exe";
}

}  // namespace

TEST(EditorStart, starts_the_given_notepad_on_the_report_file_minimized)
{
    const fs::path record = fs::temp_directory_path() / "tolbrek-notepad-record.txt";
    fs::remove(record);
    ASSERT_TRUE(SetEnvironmentVariableW(L"TOLBREK_NOTEPAD_RECORD", record.wstring().c_str()));

    const fs::path notepad = StandInNotepad();
    tolbrek::MakeNotepadLauncher(notepad.wstring())->open(tolbrek::ReportFilePath(), {});

    // The command line, whether the window state was given, the state, and
    // the program that ran.
    EXPECT_EQ(WaitForRecord(record), "notepad C:\\Text.txt\n1\n" +
                                         std::to_string(SW_SHOWMINIMIZED) + "\n" +
                                         notepad.string() + "\n");
    fs::remove(record);
}

TEST(EditorStart, the_report_file_is_on_drive_c)
{
    EXPECT_EQ(tolbrek::ReportFilePath(), "C:\\Text.txt");
}
