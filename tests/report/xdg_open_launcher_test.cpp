// xdg-open as the editor: which one on PATH is started, and what it gets
// from the program.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "xdg_open_launcher_posix.h"

namespace fs = std::filesystem;

namespace {

// Keeps the process of each started program, for the test to wait for.
class StartedPrograms final : public tolbrek::ChildWatch {
public:
    void watch(int processId, tolbrek::ProgramEnded) override { ids.push_back(processId); }
    std::vector<int> ids;
};

// A scratch folder whose folders are all PATH holds while a test runs.
class XdgOpenTest : public ::testing::Test {
protected:
    XdgOpenTest()
        : m_folder(fs::temp_directory_path() /
                   ("tolbrek-xdg-" + std::to_string(std::random_device()())))
    {
        const char* path = std::getenv("PATH");
        m_savedPath = path ? path : "";
    }
    ~XdgOpenTest() override
    {
        setenv("PATH", m_savedPath.c_str(), 1);
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }

    // Puts folders on PATH, in order, each made if missing.
    void setPath(const std::vector<std::string>& folders)
    {
        std::string path;
        for (const std::string& folder : folders) {
            fs::create_directories(m_folder / folder);
            path += (path.empty() ? "" : ":") + (m_folder / folder).string();
        }
        setenv("PATH", path.c_str(), 1);
    }

    // Writes an xdg-open into a folder, runnable or not.
    void writeXdgOpen(const std::string& folder, const std::string& script, fs::perms perms)
    {
        const fs::path file = m_folder / folder / "xdg-open";
        std::ofstream(file) << script;
        fs::permissions(file, perms);
    }

    // Starts the editor on the file and waits for it to end; its exit status.
    int openAndWait(const fs::path& file)
    {
        StartedPrograms started;
        tolbrek::MakeXdgOpenLauncher(started)->open(file.string(), {});
        EXPECT_EQ(started.ids.size(), 1u);
        int status = -1;
        if (!started.ids.empty()) waitpid(started.ids[0], &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string fileText(const fs::path& file) const
    {
        std::ifstream in(file);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path m_folder;
    std::string m_savedPath;
};

constexpr fs::perms kRunnable = fs::perms::owner_all;

}  // namespace

// The program ignores SIGXFSZ so that a save past the file-size limit fails
// instead of ending it; the editor must not inherit that, and starts with
// the signal as every program expects it.
TEST_F(XdgOpenTest, the_editor_gets_the_file_size_signal_at_its_default)
{
    setPath({"bin"});
    writeXdgOpen(
        "bin",
        "#!/bin/sh\nwhile read -r key mask; do\n"
        "  if [ \"$key\" = SigIgn: ]; then echo \"$mask\" >\"$1\"; fi\ndone </proc/$$/status\n",
        kRunnable);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    const fs::path record = m_folder / "ignored";
    const int status = openAndWait(record);
    std::signal(SIGXFSZ, previous);
    ASSERT_EQ(status, 0);
    const std::string mask = fileText(record);
    ASSERT_FALSE(mask.empty());
    EXPECT_EQ(std::stoull(mask, nullptr, 16) & (1ull << (SIGXFSZ - 1)), 0u) << mask;
}

// Neither a folder nor a file that may not be run is taken for xdg-open:
// the next one on PATH is.
TEST_F(XdgOpenTest, only_a_runnable_xdg_open_on_path_is_started)
{
    setPath({"folder", "plain", "runnable"});
    fs::create_directory(m_folder / "folder" / "xdg-open");
    const std::string script = "#!/bin/sh\necho \"$0\" >\"$1\"\n";
    writeXdgOpen("plain", script, fs::perms::owner_read | fs::perms::owner_write);
    writeXdgOpen("runnable", script, kRunnable);
    const fs::path record = m_folder / "started";
    EXPECT_EQ(openAndWait(record), 0);
    EXPECT_EQ(fileText(record), (m_folder / "runnable" / "xdg-open").string() + "\n");
}
