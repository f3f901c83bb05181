#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "failure.h"
#include "file_service.h"
#include "memory_load.h"
#include "report_location.h"
#include "save_report.h"

namespace fs = std::filesystem;

namespace {

// Writes the real C:\Text.txt, as the program does on Windows.
class ReportFileTest : public ::testing::Test {
protected:
    void SetUp() override { Remove(); }
    void TearDown() override { Remove(); }

    static void Remove()
    {
        std::error_code ignored;
        fs::permissions(kPath, fs::perms::owner_all, ignored);
        fs::remove(kPath, ignored);
    }

    static std::string Bytes()
    {
        std::ifstream in(kPath, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void Write(const std::string& bytes) { std::ofstream(kPath, std::ios::binary) << bytes; }

    static MemoryList Lines(std::initializer_list<std::string> lines)
    {
        MemoryList list;
        for (const std::string& line : lines) list.appendLine(line);
        return list;
    }

    void Save(const MemoryList& list) { tolbrek::WriteReport(list, *m_files, kPath); }

    static inline const std::string kPath = tolbrek::ReportFilePath();
    std::unique_ptr<tolbrek::FileService> m_files = tolbrek::MakeStandardFileService();
};

}  // namespace

TEST_F(ReportFileTest, lines_end_in_cr_lf_with_nothing_around_them)
{
    Save(Lines({"Cartridge  .308", "", "150  Bullet Weight Grains"}));
    EXPECT_EQ(Bytes(), "Cartridge  .308\r\n\r\n150  Bullet Weight Grains\r\n");
}

TEST_F(ReportFileTest, text_is_written_in_the_ansi_code_page)
{
    ASSERT_EQ(GetACP(), 1252u) << "these bytes are those of code page 1252";
    // e acute and the euro sign have bytes of their own; a Chinese character
    // has none and becomes a question mark.
    Save(Lines({"Cartridge  caf\xC3\xA9 \xE2\x82\xAC \xE6\xBC\xA2"}));
    EXPECT_EQ(Bytes(), "Cartridge  caf\xE9 \x80 ?\r\n");
}

TEST_F(ReportFileTest, a_read_only_report_is_refused_at_the_delete_and_kept)
{
    Write("kept\r\n");
    fs::permissions(kPath,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ASSERT_TRUE(GetFileAttributesA(kPath.c_str()) & FILE_ATTRIBUTE_READONLY);
    try {
        Save(WorkedLoadList());
        FAIL() << "a read-only report was replaced";
    } catch (const tolbrek::FailureError& error) {
        EXPECT_EQ(error.failure().kind, tolbrek::FailureKind::System);
        EXPECT_EQ(error.failure().number, ERROR_ACCESS_DENIED);
        EXPECT_NE(error.failure().description.find(kPath), std::string::npos);
    }
    EXPECT_EQ(Bytes(), "kept\r\n");
}

TEST_F(ReportFileTest, a_longer_earlier_report_is_replaced_completely)
{
    Write(std::string(4000, 'x'));
    Save(WorkedLoadList());
    EXPECT_EQ(Bytes().size(), 188u);
    EXPECT_TRUE(Bytes().ends_with("2611.9  Muzzle Energy Foot Pounds\r\n"));
}
