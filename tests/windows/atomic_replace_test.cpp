// The report is replaced whole or not at all: the new one is written beside
// the old under a temporary name and moved over it only once complete.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "file_service.h"
#include "memory_load.h"
#include "save_report.h"

namespace fs = std::filesystem;

namespace {

class AtomicReplaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() /
                   ("tolbrek-replace-" + std::to_string(std::random_device()()));
        fs::create_directories(m_folder);
        m_path = (m_folder / "Text.txt").string();
        std::ofstream(m_path, std::ios::binary) << kOld;
    }
    void TearDown() override
    {
        SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }

    std::string bytes() const
    {
        std::ifstream in(m_path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The names in the folder: the report alone once a save has ended.
    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(m_folder)) {
            found.push_back(entry.path().filename().string());
        }
        return found;
    }

    static inline const std::string kOld = "old report\r\n";
    fs::path m_folder;
    std::string m_path;
    std::unique_ptr<tolbrek::FileService> m_files = tolbrek::MakeStandardFileService();
};

}  // namespace

TEST_F(AtomicReplaceTest, the_old_report_stands_until_the_new_one_is_closed)
{
    auto stream = m_files->replaceTextFile(m_path);
    for (const std::string& line : WorkedLoadList().lines) stream->writeLine(line);
    EXPECT_EQ(bytes(), kOld);
    EXPECT_EQ(names().size(), 2u) << "a temporary file beside the report";
    stream->close();
    EXPECT_EQ(bytes().size(), 188u);
    EXPECT_EQ(names(), std::vector<std::string>{"Text.txt"});
}

TEST_F(AtomicReplaceTest, a_writer_failing_midway_leaves_the_old_report_and_no_temporary_file)
{
    {
        auto stream = m_files->replaceTextFile(m_path);
        // Far more than one chunk reaches the disk before the failure.
        for (int i = 0; i < 100000; ++i) stream->writeLine("a line of the new report");
    }  // released without close(), as a failing save releases it
    EXPECT_EQ(bytes(), kOld);
    EXPECT_EQ(names(), std::vector<std::string>{"Text.txt"});
}

TEST_F(AtomicReplaceTest, a_read_only_report_is_refused_before_anything_is_written)
{
    ASSERT_TRUE(SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_THROW(m_files->replaceTextFile(m_path), tolbrek::FailureError);
    EXPECT_EQ(bytes(), kOld);
    EXPECT_EQ(names(), std::vector<std::string>{"Text.txt"});
}

TEST_F(AtomicReplaceTest, a_temporary_file_left_by_an_earlier_save_is_not_touched)
{
    const fs::path left = m_folder / ".Text.txt.0badf00d.tmp";
    std::ofstream(left, std::ios::binary) << "half a report";
    tolbrek::WriteReport(WorkedLoadList(), *m_files, m_path);
    EXPECT_EQ(bytes().size(), 188u);
    std::ifstream in(left, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "half a report");
}
