#include "save_report.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#endif

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>

#include "failure.h"
#include "load_summary.h"
#include "memory_load.h"

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
    void SetUp() override
    {
        std::random_device random;
        m_folder = fs::temp_directory_path() / ("tolbrek-save-" + std::to_string(random()));
        fs::create_directories(m_folder);
        m_path = (m_folder / "Text.txt").string();
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(m_folder / "Text.txt", fs::perms::owner_all, ignored);
        fs::remove_all(m_folder, ignored);
    }

    void save(const MemoryList& list) { tolbrek::WriteReport(list, *m_files, m_path); }

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

    std::string fileBytes() const
    {
        std::ifstream in(m_path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    void writeFile(const std::string& bytes) const
    {
        std::ofstream(m_path, std::ios::binary) << bytes;
    }

    // The names in the folder: a save leaves nothing behind but the report.
    std::vector<std::string> folderNames() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_folder)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    fs::path m_folder;
    std::string m_path;
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

std::size_t CountLines(const std::string& bytes)
{
    std::size_t lines = 0;
    for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
         at = bytes.find("\r\n", at + 2)) {
        ++lines;
    }
    return lines;
}

// A file service whose stream fails at a chosen line, on purpose.
class FailingStreamService final : public tolbrek::FileService {
public:
    explicit FailingStreamService(int failingLine) : m_failingLine(failingLine) {}
    std::unique_ptr<tolbrek::TextStream> replaceTextFile(const std::string& path) override;

    int m_failingLine;
    bool streamReleased = false;
    bool closed = false;
    std::unique_ptr<tolbrek::FileService> m_real = tolbrek::MakeStandardFileService();
};

class FailingStream final : public tolbrek::TextStream {
public:
    FailingStream(std::unique_ptr<tolbrek::TextStream> real, FailingStreamService& owner)
        : m_real(std::move(real)), m_owner(owner)
    {
    }
    ~FailingStream() override { m_owner.streamReleased = true; }
    void writeLine(std::string_view text) override
    {
        if (++m_written == m_owner.m_failingLine) {
            throw FailureError({FailureKind::System, 28, "No space left on device"});
        }
        m_real->writeLine(text);
    }
    void close() override
    {
        m_owner.closed = true;
        m_real->close();
    }

private:
    std::unique_ptr<tolbrek::TextStream> m_real;
    FailingStreamService& m_owner;
    int m_written = 0;
};

std::unique_ptr<tolbrek::TextStream> FailingStreamService::replaceTextFile(const std::string& path)
{
    return std::make_unique<FailingStream>(m_real->replaceTextFile(path), *this);
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

TEST_F(SaveReportTest, a_caliber_outside_ascii_is_written_in_the_narrow_encoding)
{
    MemoryForm form;
    form.fields[LoadField::Caliber] =
        "7,5\xC3\x97"
        "55 Schweiz \xC3\xA9";
    save(SummaryOf(form));
#ifdef _WIN32
    // The ANSI code page, 1252 under wine: one byte for each character.
    const std::string expected =
        "Cartridge  7,5\xD7"
        "55 Schweiz \xE9\r\n";
#else
    const std::string expected =
        "Cartridge  7,5\xC3\x97"
        "55 Schweiz \xC3\xA9\r\n";
#endif
    EXPECT_TRUE(fileBytes().starts_with(expected));
    EXPECT_FALSE(fileBytes().starts_with("\xEF\xBB\xBF"));
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
    auto stream = m_files->replaceTextFile(m_path);
    for (const std::string& line : WorkedLoadList().lines) stream->writeLine(line);
    EXPECT_EQ(fileBytes(), "old report\r\n");
    EXPECT_EQ(folderNames().size(), 2u) << "a temporary file beside the report";
    stream->close();
    EXPECT_EQ(fileBytes().size(), 188u);
    EXPECT_EQ(folderNames(), std::vector<std::string>{"Text.txt"});
}

TEST_F(SaveReportTest, a_writer_failing_midway_leaves_the_old_report_and_nothing_else)
{
    writeFile("old report\r\n");
    // Far more than one chunk of the new report reaches the disk first.
    FailingStreamService failing(90000);
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

TEST_F(SaveReportTest, a_temporary_file_left_by_a_killed_save_is_not_touched)
{
    const fs::path left = m_folder / ".Text.txt.0badf00d.tmp";
    std::ofstream(left, std::ios::binary) << "half a report";
    save(WorkedLoadList());
    EXPECT_EQ(fileBytes().size(), 188u);
    std::ifstream in(left, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "half a report");
}

#ifndef _WIN32
// A file-size limit makes the system refuse the bytes, as a full disk does,
// for every user.
TEST_F(SaveReportTest, a_write_refused_by_the_system_is_reported_and_the_old_report_stays)
{
    writeFile("old report\r\n");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
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
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(failure.kind, FailureKind::System);
    EXPECT_EQ(failure.number, EFBIG) << failure.description;
    EXPECT_NE(failure.description.find(m_path), std::string::npos) << failure.description;
    EXPECT_EQ(fileBytes(), "old report\r\n");
    EXPECT_EQ(folderNames(), std::vector<std::string>{"Text.txt"});
}

TEST_F(SaveReportTest, a_named_pipe_at_the_report_name_is_refused_unopened)
{
    ASSERT_EQ(mkfifo(m_path.c_str(), 0644), 0);
    const tolbrek::Failure failure = saveFailure(WorkedLoadList());
    EXPECT_EQ(failure.kind, FailureKind::NotAFile);
    EXPECT_NE(failure.description.find(m_path + " is a named pipe"), std::string::npos);
    EXPECT_TRUE(fs::is_fifo(m_path));
    EXPECT_EQ(folderNames(), std::vector<std::string>{"Text.txt"});
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
        struct stat report {};
        stat(m_path.c_str(), &report);
        EXPECT_EQ(report.st_mode & 0777, 0666 & ~mask);
    }
    EXPECT_FALSE(fs::exists(outside / "missing.txt"));
    std::ifstream live(outside / "live.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(live), {}), "kept");
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
