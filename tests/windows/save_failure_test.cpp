// Save Data when a system call of the save fails: each call fails in turn,
// through a stand-in for it, and each failure leaves the old report as it
// was, no temporary file and no editor, and draws one error box with the
// system's error number.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <type_traits>

#include "file_service_windows.h"
#include "load_commands.h"
#include "recording_editor.h"
#include "stand_in_view.h"

namespace fs = std::filesystem;

namespace {

using tolbrek::FileCalls;

struct FailingCall {
    const char* call;
    DWORD error;  // the error the box must show
    void (*fail)(FileCalls& calls);
};

// A row whose stand-in for the call returns `failed` with its own error.
template <auto member, auto failed, DWORD error>
FailingCall Failing(const char* call)
{
    return {call, error, [](FileCalls& calls) {
                calls.*member = []<typename... Args>(Args...) {
                    SetLastError(error);
                    using Call = std::remove_reference_t<decltype(FileCalls{}.*member)>;
                    using Result = std::invoke_result_t<Call, Args...>;
                    if constexpr (std::is_pointer_v<Result>) {
                        return reinterpret_cast<Result>(static_cast<INT_PTR>(failed));
                    } else {
                        return static_cast<Result>(failed);
                    }
                };
            }};
}

const FailingCall kFailingCalls[] = {
    Failing<&FileCalls::getFileAttributes, INVALID_FILE_ATTRIBUTES, ERROR_BAD_NETPATH>(
        "GetFileAttributesW"),
    Failing<&FileCalls::createFile, -1, ERROR_WRITE_PROTECT>("CreateFileW"),
    Failing<&FileCalls::writeFile, FALSE, ERROR_DISK_FULL>("WriteFile"),
    {"WriteFile writing no byte", ERROR_WRITE_FAULT,
     [](FileCalls& calls) {
         calls.writeFile = [](HANDLE, LPCVOID, DWORD, LPDWORD written, LPOVERLAPPED) -> BOOL {
             *written = 0;
             SetLastError(ERROR_SUCCESS);
             return TRUE;
         };
     }},
    Failing<&FileCalls::flushFileBuffers, FALSE, ERROR_IO_DEVICE>("FlushFileBuffers"),
    Failing<&FileCalls::setFileAttributes, FALSE, ERROR_LOCK_VIOLATION>(
        "SetFileAttributesW, clearing the hidden attribute"),
    Failing<&FileCalls::setFileInformationByHandle, FALSE, ERROR_NOT_SAME_DEVICE>(
        "SetFileInformationByHandle, renaming"),
    Failing<&FileCalls::setFileInformationByHandle, FALSE, ERROR_SHARING_VIOLATION>(
        "SetFileInformationByHandle, refusing every retry"),
};

}  // namespace

TEST(SaveFailure, each_failing_call_keeps_the_old_report_and_draws_one_error_box)
{
    const fs::path folder =
        fs::temp_directory_path() / ("tolbrek-failure-" + std::to_string(std::random_device()()));
    const fs::path report = folder / "Text.txt";
    fs::create_directories(folder);
    for (const FailingCall& failing : kFailingCalls) {
        std::ofstream(report, std::ios::binary) << "old report\r\n";
        FileCalls calls;
        failing.fail(calls);
        StandInView view;
        view.lines = {"Cartridge  .308", ""};
        auto editor = std::make_unique<RecordingEditor>();
        const RecordingEditor& started = *editor;
        tolbrek::LoadCommands commands(view, {tolbrek::MakeWindowsFileService(calls),
                                              std::move(editor), [&] { return report.string(); }});
        commands.run(tolbrek::Command::SaveData);

        std::ifstream in(report, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old report\r\n")
            << failing.call;
        in.close();
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
            << failing.call << ": a temporary file was left";
        EXPECT_TRUE(started.opened.empty()) << failing.call;
        ASSERT_EQ(view.errors.size(), 1u) << failing.call;
        EXPECT_EQ(view.errors[0].number, static_cast<int>(failing.error)) << failing.call;
        EXPECT_NE(view.errors[0].description.find(report.string()), std::string::npos)
            << failing.call << ": " << view.errors[0].description;
        EXPECT_EQ(view.lines.size(), 2u) << failing.call;
    }
    fs::remove_all(folder);
}
