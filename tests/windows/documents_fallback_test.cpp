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
#include "report_location.h"
#include "stand_in_view.h"

namespace fs = std::filesystem;

namespace {

// The real file service, except that no new file may be created in C:\.
class DriveCRefused final : public tolbrek::FileService {
public:
    std::unique_ptr<tolbrek::ByteStream> replaceFile(const std::string& path) override
    {
        if (fs::path(path).parent_path() == "C:\\") {
            throw tolbrek::FolderRefusedError({tolbrek::FailureKind::System, ERROR_ACCESS_DENIED,
                                               "Access is denied: could not create " + path});
        }
        return m_real->replaceFile(path);
    }

private:
    std::unique_ptr<tolbrek::FileService> m_real = tolbrek::MakeStandardFileService();
};

class OpenedFiles final : public tolbrek::EditorLauncher {
public:
    explicit OpenedFiles(std::vector<std::string>& opened) : m_opened(opened) {}
    void open(const std::string& path, tolbrek::ProgramEnded) override { m_opened.push_back(path); }

private:
    std::vector<std::string>& m_opened;
};

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
        tolbrek::LoadCommands commands(
            m_view, {std::move(files), std::make_unique<OpenedFiles>(m_opened),
                     &tolbrek::ReportFilePath, &tolbrek::DocumentsReportFilePath});
        commands.run(tolbrek::Command::SaveData);
    }

    static std::string Bytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    const std::string kDriveC = tolbrek::ReportFilePath();
    const std::string kDocuments = tolbrek::DocumentsReportFilePath();
    StandInView m_view;
    std::vector<std::string> m_opened;
};

}  // namespace

TEST_F(DocumentsFallbackTest, a_refused_drive_c_sends_the_report_to_documents_and_opens_it)
{
    save(std::make_unique<DriveCRefused>());
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
