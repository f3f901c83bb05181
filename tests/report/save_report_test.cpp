#include "save_report.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include "failure.h"
#include "load_summary.h"
#include "memory_load.h"
#include "narrow_line_stream.h"
#include "scratch_folder.h"
#include "stand_in_files.h"
#include "temporary_name.h"

namespace fs = std::filesystem;

// The system's own error numbers for the failures provoked below.
#ifdef _WIN32
constexpr int kReadOnly = 5;      // ERROR_ACCESS_DENIED
constexpr int kIsAFolder = 5;     // ERROR_ACCESS_DENIED
constexpr int kNoSuchFolder = 3;  // ERROR_PATH_NOT_FOUND
#else
constexpr int kReadOnly = EACCES;
constexpr int kIsAFolder = EISDIR;
constexpr int kNoSuchFolder = ENOENT;
#endif
using tolbrek::FailureError;
using tolbrek::FailureKind;
using tolbrek::LoadField;

namespace {

// A fresh, empty folder for each test, removed afterwards.
class SaveReportTest : public ::testing::Test {
protected:
    tolbrek::WrittenReport save(const MemoryList& list)
    {
        return tolbrek::WriteReport(list, *m_files, m_path);
    }

    // The failure that saving throws, or a failed test.
    tolbrek::Failure saveFailure(const MemoryList& list)
    {
        try {
            save(list);
        } catch (const FailureError& error) {
            return error.failure();
        }
        ADD_FAILURE() << "saving did not fail";
        return {};
    }

    std::string fileBytes() const { return ScratchFolder::bytesOf(m_path); }

    void writeFile(const std::string& bytes) const { ScratchFolder::write(m_path, bytes); }

#ifndef _WIN32
    // Saves the worked load under a file-size limit far below its 188 bytes;
    // the failure thrown.
    tolbrek::Failure saveFailureUnderFileSizeLimit()
    {
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 100;
        setrlimit(RLIMIT_FSIZE, &small);
        tolbrek::Failure failure;
        try {
            save(WorkedLoadList());
        } catch (const FailureError& error) {
            failure = error.failure();
        }
        setrlimit(RLIMIT_FSIZE, &saved);
        return failure;
    }

    // What stands at the report's name is no file: it is refused and stays.
    void expectRefusedAsNoFile(const std::string& what)
    {
        const tolbrek::Failure failure = saveFailure(WorkedLoadList());
        EXPECT_TRUE(failure.is(tolbrek::FileFailure::NotAFile)) << failure.number;
        EXPECT_NE(failure.description.find(m_path + " is " + what), std::string::npos)
            << failure.description;
        EXPECT_EQ(folderNames(), std::vector<std::string>{"Text.txt"});
    }
#endif

    // The names in the report's folder, sorted: a save leaves nothing
    // behind but the report.
    std::vector<std::string> folderNames() const
    {
        return ScratchFolder::namesIn(fs::path(m_path).parent_path());
    }

    ScratchFolder m_scratch{"save"};
    fs::path m_folder = m_scratch.path();
    std::string m_path = m_scratch.file("Text.txt");
    std::unique_ptr<tolbrek::FileService> m_files = tolbrek::MakeStandardFileService();
};

MemoryList SummaryOf(const MemoryForm& form)
{
    MemoryList list;
    tolbrek::AppendLoadSummary(form, list, ".");
    return list;
}

MemoryList ManyLines(std::size_t count)
{
    MemoryList list;
    for (std::size_t i = 0; i < count; ++i) list.appendLine(std::to_string(i));
    return list;
}

#ifndef _WIN32
volatile std::sig_atomic_t fileSizeSignalHeard = 0;

void HearFileSizeSignal(int /*signal*/)
{
    fileSizeSignalHeard = 1;
}
#endif

std::size_t CountLines(const std::string& bytes)
{
    std::size_t lines = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", at + 2)) {
        ++lines;
    }
    return lines;
}

}  // namespace

TEST_F(SaveReportTest, an_empty_load_is_written_byte_for_byte)
{
    save(SummaryOf(MemoryForm()));
    const std::string expected =
        "Cartridge  \r\n\r\n0  Bullet Weight Grains\r\n0  Powder Charge Grains\r\n"
        "0  Velocity FPS\r\n0  Gun Weight Pounds\r\n0  Recoil Foot Pounds Free Energy\r\n"
        "0  Muzzle Energy Foot Pounds\r\n";
    EXPECT_EQ(fileBytes(), expected);
    EXPECT_EQ(fileBytes().size(), 169u);
}

TEST_F(SaveReportTest, the_worked_load_is_written_byte_for_byte)
{
    save(WorkedLoadList());
    const std::string bytes = fileBytes();
    EXPECT_EQ(bytes.size(), 188u);
    EXPECT_EQ(bytes.substr(0, 17), "Cartridge  .308\r\n");
    EXPECT_TRUE(bytes.ends_with("\r\n2611.9  Muzzle Energy Foot Pounds\r\n"));
}

TEST_F(SaveReportTest, an_empty_list_gives_an_empty_file)
{
    writeFile("earlier report");
    save(MemoryList());
    EXPECT_TRUE(fs::exists(m_path));
    EXPECT_EQ(fileBytes(), "");
}

TEST_F(SaveReportTest, a_longer_earlier_file_is_replaced_completely)
{
    writeFile(std::string(5000, 'x'));
    save(WorkedLoadList());
    EXPECT_EQ(fileBytes().size(), 188u);
}

TEST_F(SaveReportTest, saving_twice_writes_the_same_bytes)
{
    const MemoryList list = WorkedLoadList();
    save(list);
    const std::string first = fileBytes();
    save(list);
    EXPECT_EQ(fileBytes(), first);
}

TEST_F(SaveReportTest, every_line_is_written_however_long_the_list)
{
    for (const std::size_t count : {32767u, 32768u, 32776u}) {
        save(ManyLines(count));
        const std::string bytes = fileBytes();
        EXPECT_EQ(CountLines(bytes), count);
        EXPECT_TRUE(bytes.ends_with("\r\n" + std::to_string(count - 1) + "\r\n"));
    }
}

// In the ANSI code page on Windows (1252 under wine), one byte for each
// character it has and its default character for each it lacks, never a
// look-alike that reads as data (8 for the infinity sign, 12 for full-width
// digits, OS for omega and sigma); in UTF-8 elsewhere, where nothing is lost.
TEST_F(SaveReportTest, a_caliber_outside_ascii_is_written_in_the_narrow_encoding)
{
    struct Case {
        std::string caliber;
        std::string windows;  // the caliber's bytes in code page 1252
        bool lostOnWindows;
    };
    const Case cases[] = {
        {"7,5\xC3\x97"
         "55 Schweiz \xC3\xA9",
         "7,5\xD7"
         "55 Schweiz \xE9",
         false},
        {"\xD0\x9A\xD0\xB0\xD1\x80 \xE2\x88\x9E \xE4\xB8\x83 \xF0\x9F\x98\x80 "
         "\xEF\xBC\x91\xEF\xBC\x92 \xCE\xA9\xCE\xA3",
         "??? ? ? ?? ?? ??", true},
    };
    for (const Case& c : cases) {
        MemoryList list;
        list.appendLine("Cartridge  .308");
        list.appendLine("Cartridge  " + c.caliber);
        const tolbrek::WrittenReport written = save(list);
#ifdef _WIN32
        EXPECT_EQ(fileBytes(), "Cartridge  .308\r\nCartridge  " + c.windows + "\r\n");
        ASSERT_EQ(written.firstIncompleteLine.has_value(), c.lostOnWindows) << c.caliber;
        if (c.lostOnWindows) {
            EXPECT_EQ(written.firstIncompleteLine->index, 1u);
            EXPECT_EQ(written.firstIncompleteLine->text, "Cartridge  " + c.caliber);
        }
#else
        EXPECT_EQ(fileBytes(), "Cartridge  .308\r\nCartridge  " + c.caliber + "\r\n");
        EXPECT_FALSE(written.firstIncompleteLine) << c.caliber;
#endif
    }
}

// Root may delete a read-only file; the user's mark is honoured anyway.
TEST_F(SaveReportTest, a_read_only_file_is_refused_and_kept)
{
    writeFile("old report\r\n");
    fs::permissions(m_path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const tolbrek::Failure failure = saveFailure(WorkedLoadList());
    EXPECT_EQ(failure.kind, FailureKind::System);
    EXPECT_EQ(failure.number, kReadOnly);
    EXPECT_NE(failure.description.find(m_path), std::string::npos) << failure.description;
    EXPECT_EQ(fileBytes(), "old report\r\n");
}

TEST_F(SaveReportTest, a_folder_where_the_file_should_be_is_reported)
{
    fs::create_directory(m_path);
    const tolbrek::Failure failure = saveFailure(WorkedLoadList());
    EXPECT_EQ(failure.number, kIsAFolder);
    EXPECT_NE(failure.description.find(m_path), std::string::npos) << failure.description;
    EXPECT_TRUE(fs::is_directory(m_path));
}

// Only a folder that refuses new files sends the report elsewhere, and only
// where there is an elsewhere.
TEST_F(SaveReportTest, a_refusing_folder_sends_the_report_to_the_fallback_where_there_is_one)
{
    const fs::path fallback = m_folder / "Fallback.txt";
    RefusingFolderFiles refusing([this](const std::string& path) { return path == m_path; },
                                 kReadOnly);
    tolbrek::WriteReport(WorkedLoadList(), refusing, m_path, [&] { return fallback.string(); });
    EXPECT_EQ(fs::file_size(fallback), 188u);
    EXPECT_THROW(tolbrek::WriteReport(WorkedLoadList(), refusing, m_path),
                 tolbrek::FolderRefusedError);
    EXPECT_FALSE(fs::exists(m_path));
}

TEST_F(SaveReportTest, a_missing_folder_is_reported)
{
    m_path = (m_folder / "missing" / "Text.txt").string();
    const tolbrek::Failure failure = saveFailure(WorkedLoadList());
    EXPECT_EQ(failure.number, kNoSuchFolder);
    EXPECT_NE(failure.description.find(m_path), std::string::npos) << failure.description;
}

// The new report is written beside the old one and takes its place only
// once it is complete.
TEST_F(SaveReportTest, the_old_report_stands_until_the_new_one_is_closed)
{
    writeFile("old report\r\n");
    auto stream = m_files->replaceFile(m_path);
    stream->write("new report\r\n");
    EXPECT_EQ(fileBytes(), "old report\r\n");
    EXPECT_EQ(folderNames().size(), 2u) << "a temporary file beside the report";
    stream->close();
    EXPECT_EQ(fileBytes(), "new report\r\n");
    EXPECT_EQ(folderNames(), std::vector<std::string>{"Text.txt"});
}

TEST_F(SaveReportTest, a_writer_failing_midway_leaves_the_old_report_and_nothing_else)
{
    writeFile("old report\r\n");
    // Far more than one piece of the new report reaches the disk first.
    FillingFiles failing(4 * tolbrek::NarrowLineStream::kPieceBytes);
    try {
        tolbrek::WriteReport(ManyLines(100000), failing, m_path);
        FAIL() << "expected a failure";
    } catch (const FailureError& error) {
        EXPECT_EQ(error.failure().number, 28);
    }
    EXPECT_TRUE(failing.streamReleased);
    EXPECT_FALSE(failing.closed);
    EXPECT_EQ(fileBytes(), "old report\r\n");
    EXPECT_EQ(folderNames(), std::vector<std::string>{"Text.txt"});
}

// Every temporary file a save makes is named as a later save's clean-up
// recognises it, and saves running at once each have one of their own.
TEST_F(SaveReportTest, every_temporary_file_is_named_as_the_clean_up_recognises_it)
{
    std::vector<std::unique_ptr<tolbrek::ByteStream>> running;
    for (int i = 0; i < 20; ++i) running.push_back(m_files->replaceFile(m_path));
    const std::vector<std::string> names = folderNames();
    EXPECT_EQ(names.size(), 20u);
    for (const std::string& name : names) {
        EXPECT_TRUE(tolbrek::IsTemporaryName(name, "Text.txt")) << name;
    }
}

#ifndef _WIN32
// A save removes what killed saves left beside the report (the names are
// told apart in temporary_name_test.cpp); another report's, and anything
// that is no plain file, stays.
TEST_F(SaveReportTest, temporary_files_of_killed_saves_are_removed_and_nothing_else)
{
    std::vector<std::string> kept = {".Text.txt.0badf00.tmp", ".Other.txt.0badf00d.tmp"};
    for (const std::string& name : kept) std::ofstream(m_folder / name) << "not ours";
    for (const char* name : {".Text.txt.0badf00d.tmp", ".Text.txt.12345678.tmp"}) {
        std::ofstream(m_folder / name) << "half a report";
    }
    fs::create_directory(m_folder / ".Text.txt.f01de000.tmp");
    kept.insert(kept.end(), {".Text.txt.f01de000.tmp", "Text.txt"});
    std::sort(kept.begin(), kept.end());
    save(WorkedLoadList());
    EXPECT_EQ(folderNames(), kept);
}

// Another save still writing holds its temporary file: it is left alone,
// and takes the report's place when it is done.
TEST_F(SaveReportTest, a_running_saves_temporary_file_is_left_alone)
{
    const auto running = tolbrek::MakeStandardFileService()->replaceFile(m_path);
    running->write("running\r\n");
    save(WorkedLoadList());
    EXPECT_EQ(folderNames().size(), 2u);
    running->close();
    EXPECT_EQ(fileBytes(), "running\r\n");
    EXPECT_EQ(folderNames(), std::vector<std::string>{"Text.txt"});
}

// A file-size limit makes the system refuse the bytes, as a full disk does,
// for every user. Its signal must not end the program on the way.
TEST_F(SaveReportTest, a_write_refused_by_the_system_is_reported_and_the_old_report_stays)
{
    writeFile("old report\r\n");
    const tolbrek::Failure failure = saveFailureUnderFileSizeLimit();
    EXPECT_EQ(failure.kind, FailureKind::System);
    EXPECT_EQ(failure.number, EFBIG) << failure.description;
    EXPECT_NE(failure.description.find(m_path), std::string::npos) << failure.description;
    EXPECT_EQ(fileBytes(), "old report\r\n");
    EXPECT_EQ(folderNames(), std::vector<std::string>{"Text.txt"});
}

// The file service has the file-size signal ignored only where nobody
// handles it: a handler installed before it stays installed, hears the
// signal, and the save still fails as it should.
TEST_F(SaveReportTest, a_handler_installed_for_the_file_size_signal_stays_installed)
{
    struct sigaction own = {};
    own.sa_handler = &HearFileSizeSignal;
    sigemptyset(&own.sa_mask);
    struct sigaction found = {};
    ASSERT_EQ(sigaction(SIGXFSZ, &own, &found), 0);
    fileSizeSignalHeard = 0;
    m_files = tolbrek::MakeStandardFileService();
    const tolbrek::Failure failure = saveFailureUnderFileSizeLimit();
    struct sigaction after = {};
    sigaction(SIGXFSZ, &found, &after);
    EXPECT_EQ(after.sa_handler, &HearFileSizeSignal);
    EXPECT_EQ(fileSizeSignalHeard, 1);
    EXPECT_EQ(failure.number, EFBIG) << failure.description;
}

TEST_F(SaveReportTest, a_named_pipe_at_the_report_name_is_refused_unopened)
{
    ASSERT_EQ(mkfifo(m_path.c_str(), 0644), 0);
    expectRefusedAsNoFile("a named pipe");
    EXPECT_TRUE(fs::is_fifo(m_path));
}

TEST_F(SaveReportTest, a_device_at_the_report_name_is_refused)
{
    if (mknod(m_path.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "this system does not let a test make a device: " << std::strerror(errno);
    }
    expectRefusedAsNoFile("a device");
    EXPECT_TRUE(fs::is_character_file(m_path));
}

// A link is replaced by a new report with the default mode; the file it
// points to, live or missing, is never opened or written.
TEST_F(SaveReportTest, a_link_at_the_report_name_is_replaced_and_its_target_left_alone)
{
    const fs::path outside = m_folder / "outside";
    fs::create_directory(outside);
    const mode_t mask = umask(0);
    umask(mask);
    for (const fs::path& target : {outside / "missing.txt", outside / "live.txt"}) {
        if (target.filename() == "live.txt") std::ofstream(target) << "kept";
        fs::remove(m_path);
        fs::create_symlink(target, m_path);
        save(WorkedLoadList());
        EXPECT_FALSE(fs::is_symlink(m_path)) << target;
        EXPECT_EQ(fileBytes().size(), 188u);
        struct stat report = {};
        stat(m_path.c_str(), &report);
        EXPECT_EQ(report.st_mode & 0777, 0666 & ~mask);
    }
    EXPECT_FALSE(fs::exists(outside / "missing.txt"));
    std::ifstream live(outside / "live.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(live), {}), "kept");
}

// A home folder as long as a report path may be: the temporary file's
// longer name must not matter.
TEST_F(SaveReportTest, a_report_path_the_system_takes_is_enough)
{
    fs::path folder = m_folder;
    while (folder.native().size() + 201 < 4080) folder /= std::string(200, 'd');
    folder /= std::string(4080 - folder.native().size() - 1, 'e');
    ASSERT_EQ(folder.native().size(), 4080u);
    fs::create_directories(folder);
    m_path = (folder / "Text.txt").string();
    writeFile("old report\r\n");
    save(WorkedLoadList());
    EXPECT_EQ(fileBytes().size(), 188u);
    EXPECT_EQ(folderNames(), std::vector<std::string>{"Text.txt"});
}

TEST_F(SaveReportTest, a_private_report_stays_private)
{
    writeFile("old report\r\n");
    fs::permissions(m_path, fs::perms::owner_read | fs::perms::owner_write);
    save(WorkedLoadList());
    EXPECT_EQ(fs::status(m_path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(fileBytes().size(), 188u);
}
#endif

// Two windows saving at once: each save writes a whole report of its own,
// and the last one to finish is the one that stays.
TEST_F(SaveReportTest, saves_at_the_same_time_each_leave_a_complete_report)
{
    const MemoryList shorter = WorkedLoadList();
    const MemoryList longer = ManyLines(5000);
    const auto saveMany = [this](const MemoryList& list) {
        const auto files = tolbrek::MakeStandardFileService();
        for (int round = 0; round < 20; ++round) tolbrek::WriteReport(list, *files, m_path);
    };
    std::thread first(saveMany, std::cref(shorter));
    std::thread second(saveMany, std::cref(longer));
    first.join();
    second.join();
    const std::string bytes = fileBytes();
    EXPECT_TRUE(bytes.size() == 188u || CountLines(bytes) == 5000u) << bytes.size();
    EXPECT_EQ(folderNames(), std::vector<std::string>{"Text.txt"});
}
