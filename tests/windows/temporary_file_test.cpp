// The temporary file that a save writes beside the report: hidden while the
// save runs, never leaving the report hidden, and removed by a later save
// once no running save holds it.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "file_service.h"
#include "memory_load.h"
#include "save_report.h"

namespace fs = std::filesystem;

namespace {

class TemporaryFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() /
                   ("tolbrek-temporary-" + std::to_string(std::random_device()()));
        fs::create_directories(m_folder);
        m_path = (m_folder / "Text.txt").string();
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }

    std::vector<std::string> names() const
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(m_folder)) {
            found.push_back(entry.path().filename().string());
        }
        std::ranges::sort(found);
        return found;
    }

    bool hidden(const std::string& name) const
    {
        return GetFileAttributesW((m_folder / name).wstring().c_str()) & FILE_ATTRIBUTE_HIDDEN;
    }

    fs::path m_folder;
    std::string m_path;
};

}  // namespace

TEST_F(TemporaryFileTest, a_save_writes_into_a_hidden_file_and_leaves_the_report_visible)
{
    // Wine hides every name that starts with a dot unless told otherwise,
    // as wine-run --init tells it: only the attribute may hide the file here.
    std::ofstream(m_folder / ".plain") << "";
    ASSERT_FALSE(hidden(".plain")) << "this wine prefix hides dot files";
    fs::remove(m_folder / ".plain");

    const auto files = tolbrek::MakeStandardFileService();
    auto stream = files->replaceFile(m_path);
    stream->write("Cartridge  .308\r\n");
    const std::vector<std::string> during = names();
    ASSERT_EQ(during.size(), 1u);
    EXPECT_TRUE(hidden(during[0])) << during[0];
    stream->close();
    EXPECT_EQ(names(), std::vector<std::string>{"Text.txt"});
    EXPECT_FALSE(hidden("Text.txt"));
}

// The names that saves give their temporary files (told apart in
// temporary_name_test.cpp), each checked whole, though the system's search
// may match more, and of those only the ones that no running save holds
// open.
TEST_F(TemporaryFileTest, a_save_removes_the_temporary_files_no_running_save_holds)
{
    const std::pair<std::string, bool> leftBehind[] = {
        {".Text.txt.0badf00d.tmp", true},   {".Text.txt.12345678.tmp", true},
        {".Text.txt.0badf00.tmp", false},   {".Text.txt.0badf00d.tmp.1", false},
        {".Other.txt.0badf00d.tmp", false},
    };
    for (const auto& [name, removed] : leftBehind) std::ofstream(m_folder / name) << "half";
    const auto files = tolbrek::MakeStandardFileService();
    auto running = files->replaceFile(m_path);
    const std::vector<std::string> before = names();

    MemoryList list;
    list.appendLine("Cartridge  .308");
    tolbrek::WriteReport(list, *files, m_path);

    std::vector<std::string> expected = {"Text.txt"};
    for (const std::string& name : before) {
        const auto found =
            std::ranges::find(leftBehind, name, &std::pair<std::string, bool>::first);
        if (found == std::end(leftBehind) || !found->second) expected.push_back(name);
    }
    std::ranges::sort(expected);
    EXPECT_EQ(names(), expected);
    EXPECT_NO_THROW(running->close()) << "the running save lost its file";
}
