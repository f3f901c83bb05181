// Save Data over the real file service with each of the save's system calls
// failing in turn (Linux only: the calls are wrapped at link time).

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "failing_calls.h"
#include "load_commands.h"
#include "scratch_commands.h"

namespace fs = std::filesystem;
using tolbrek::Command;

namespace {

std::size_t OpenDescriptors()
{
    const auto entries = fs::directory_iterator("/proc/self/fd");
    return static_cast<std::size_t>(std::distance(fs::begin(entries), fs::end(entries)));
}

// A window holding a gathered load, over a scratch folder whose report
// stands from an earlier save, with the real file service and a recording
// editor.
class SaveFailureTest : public ::testing::Test, protected ScratchCommands {
protected:
    SaveFailureTest() : ScratchCommands("failure")
    {
        ScratchFolder::write(m_report, kOldReport);
        m_view.fields = {{tolbrek::LoadField::Caliber, ".308"},
                         {tolbrek::LoadField::Bullet, "150"}};
        run(Command::PopulateList);
    }

    static constexpr const char* kOldReport = "old report\r\n";
};

}  // namespace

TEST_F(SaveFailureTest, each_failing_call_leaves_everything_as_it_was_and_is_reported_once)
{
    const struct {
        SystemCall call;
        int error;
        const char* name;
    } calls[] = {
        {SystemCall::Create, EACCES, "create"}, {SystemCall::Write, ENOSPC, "write"},
        {SystemCall::Fsync, EIO, "fsync"},      {SystemCall::Fchmod, EPERM, "fchmod"},
        {SystemCall::Close, EDQUOT, "close"},   {SystemCall::Rename, EBUSY, "rename"},
    };
    for (const auto& failing : calls) {
        SCOPED_TRACE(failing.name);
        m_view.errors.clear();
        const std::size_t descriptors = OpenDescriptors();
        {
            const FailingCall fails(failing.call, failing.error);
            m_commands->run(Command::SaveData);
        }
        EXPECT_EQ(reportBytes(), kOldReport);
        EXPECT_EQ(m_folder.names(), std::vector<std::string>{"Text.txt"});
        EXPECT_EQ(OpenDescriptors(), descriptors);
        EXPECT_TRUE(m_editor->opened.empty());
        ASSERT_EQ(m_view.errors.size(), 1u);
        EXPECT_EQ(m_view.errors[0].number, failing.error) << m_view.errors[0].description;
        EXPECT_EQ(m_view.lines.size(), 8u);
    }
}

// A new temporary file is unlocked for a moment after its creation: another
// save's clean-up that runs just then must not spoil this save.
TEST_F(SaveFailureTest, a_clean_up_between_creating_and_locking_does_not_spoil_the_save)
{
    AfterNextCreate([this] { tolbrek::MakeStandardFileService()->replaceFile(m_report); });
    m_commands->run(Command::SaveData);
    EXPECT_TRUE(m_view.errors.empty()) << m_view.errors[0].description;
    ASSERT_EQ(m_editor->opened.size(), 1u);
    EXPECT_TRUE(reportBytes().starts_with("Cartridge  .308\r\n"));
    EXPECT_EQ(m_folder.names(), std::vector<std::string>{"Text.txt"});
}
