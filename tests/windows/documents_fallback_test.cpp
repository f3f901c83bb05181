// Where the root of C: refuses a standard user's new file, Save Data puts
// the report in Documents and opens that one. Wine lets anyone write to C:,
// so a stand-in file service refuses the root of C: as Windows would.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "documents_report_windows.h"
#include "failure.h"
#include "load_commands.h"
#include "recording_editor.h"
#include "report_location.h"
#include "stand_in_files.h"
#include "stand_in_view.h"

namespace fs = std::filesystem;

namespace {

class DocumentsFallbackTest : public ::testing::Test {
protected:
    void SetUp() override { Remove(); }
    void TearDown() override { Remove(); }
    void Remove()
    {
        for (const std::string& path : {kDriveC, kDocuments}) {
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
    }

    void save(std::unique_ptr<tolbrek::FileService> files)
    {
        m_view.lines = {"Cartridge  .308", ""};
        auto editor = std::make_unique<RecordingEditor>();
        const RecordingEditor& started = *editor;
        tolbrek::LoadCommands commands(
            m_view, {std::move(files), std::move(editor), &tolbrek::ReportFilePath,
                     &tolbrek::DocumentsReportFilePath});
        commands.run(tolbrek::Command::SaveData);
        for (const RecordingEditor::Start& start : started.opened) m_opened.push_back(start.path);
    }

    static std::string Bytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    const std::string kDriveC = tolbrek::ReportFilePath();
    const std::string kDocuments = tolbrek::DocumentsReportFilePath();
    // Wine lets anyone write to C:, so this stand-in refuses its root as
    // Windows does a standard user.
    static std::unique_ptr<tolbrek::FileService> DriveCRefused()
    {
        return std::make_unique<RefusingFolderFiles>(
            [](const std::string& path) { return fs::path(path).parent_path() == "C:\\"; },
            ERROR_ACCESS_DENIED);
    }

    StandInView m_view;
    std::vector<std::string> m_opened;
};

}  // namespace

TEST_F(DocumentsFallbackTest, a_refused_drive_c_sends_the_report_to_documents_and_opens_it)
{
    save(DriveCRefused());
    EXPECT_TRUE(m_view.errors.empty());
    EXPECT_FALSE(fs::exists(kDriveC));
    EXPECT_EQ(Bytes(kDocuments), "Cartridge  .308\r\n\r\n");
    EXPECT_EQ(m_opened, std::vector<std::string>{kDocuments});
    EXPECT_TRUE(kDocuments.ends_with("\\Documents\\Text.txt")) << kDocuments;
}

TEST_F(DocumentsFallbackTest, a_read_only_report_on_drive_c_is_an_error_not_a_move)
{
    std::ofstream(kDriveC, std::ios::binary) << "kept\r\n";
    ASSERT_TRUE(SetFileAttributesA(kDriveC.c_str(), FILE_ATTRIBUTE_READONLY));
    save(tolbrek::MakeStandardFileService());
    ASSERT_EQ(m_view.errors.size(), 1u);
    EXPECT_EQ(m_view.errors[0].number, ERROR_ACCESS_DENIED);
    EXPECT_EQ(Bytes(kDriveC), "kept\r\n");
    EXPECT_FALSE(fs::exists(kDocuments));
    EXPECT_TRUE(m_opened.empty());
}
