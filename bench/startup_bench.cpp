// Start-up benchmark: time from process start to the first paint of the
// window, and peak resident memory, for Tolbrek, for a bare Qt window of the
// same size, and for that window with one 12 pt caption (the least any
// window with text pays for the font system: the honest floor). Runs
// alternate between the three, on the offscreen platform and on a real X
// server (an Xvfb of its own, where Xvfb is installed); with valgrind on
// PATH it also counts the instructions to first paint, which do not vary
// from run to run as times do.
//
//   bench_startup [runs]        (default 30)

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::array<const char*, 3> kModes = {"bare", "caption", "tolbrek"};
constexpr std::size_t kCaption = 1;
constexpr std::size_t kTolbrek = 2;

// Sends a stream of a child process to a file.
void Redirect(int stream, const char* path)
{
    const int file = open(path, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (file < 0) return;
    dup2(file, stream);
    close(file);
}

struct Sample {
    double milliseconds;
    double peakMebibytes;
};

// Runs a program to its end with its output thrown away; its stderr goes to
// `errorFile` when one is given.
int Run(const std::vector<std::string>& command, rusage* usage = nullptr,
        const char* errorFile = nullptr)
{
    std::fflush(nullptr);  // or the child would write out the parent's buffer again
    const pid_t child = fork();
    if (child == 0) {
        Redirect(STDOUT_FILENO, "/dev/null");
        Redirect(STDERR_FILENO, errorFile ? errorFile : "/dev/null");
        std::vector<char*> arguments;
        for (const std::string& part : command)
            arguments.push_back(const_cast<char*>(part.c_str()));
        arguments.push_back(nullptr);
        execvp(arguments[0], arguments.data());
        _exit(127);
    }
    int status = 0;
    rusage ignored{};
    wait4(child, &status, 0, usage ? usage : &ignored);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

Sample RunOnce(const std::string& program, const char* mode)
{
    const auto start = std::chrono::steady_clock::now();
    rusage usage{};
    if (Run({program, mode}, &usage) != 0) {
        std::fprintf(stderr, "%s %s failed\n", program.c_str(), mode);
        std::exit(1);
    }
    const auto stop = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(stop - start).count(),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double Quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5)];
}

// An X server of the benchmark's own; Xvfb picks a free display and writes
// its number once it is ready. It must not reset when a window program
// leaves: a reset would write the number again, to a pipe no one reads.
class OwnXServer {
public:
    OwnXServer()
    {
        int ready[2];
        if (pipe(ready) != 0) return;
        std::fflush(nullptr);
        m_pid = fork();
        if (m_pid == 0) {
            close(ready[0]);
            Redirect(STDERR_FILENO, "/dev/null");
            const std::string fd = std::to_string(ready[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
                   "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        char number[16] = {};
        const ssize_t got = read(ready[0], number, sizeof number - 1);
        close(ready[0]);
        if (got > 0) m_display = ":" + std::string(number, std::strcspn(number, "\n"));
    }
    ~OwnXServer()
    {
        if (m_pid <= 0) return;
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
    OwnXServer(const OwnXServer&) = delete;
    OwnXServer& operator=(const OwnXServer&) = delete;

    const std::optional<std::string>& display() const { return m_display; }

private:
    pid_t m_pid = -1;
    std::optional<std::string> m_display;
};

void TimePlatform(const std::string& program, const char* platform, int runs)
{
    setenv("QT_QPA_PLATFORM", platform, 1);
    std::array<std::vector<double>, kModes.size()> times;
    std::array<std::vector<double>, kModes.size()> memory;
    for (const char* mode : kModes) RunOnce(program, mode);  // warm the file cache
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < kModes.size(); ++i) {
            const Sample sample = RunOnce(program, kModes[i]);
            times[i].push_back(sample.milliseconds);
            memory[i].push_back(sample.peakMebibytes);
        }
    }
    std::printf("%s, %d interleaved runs each: median first paint [quartiles], peak memory\n",
                platform, runs);
    for (std::size_t i = 0; i < kModes.size(); ++i) {
        std::printf("  %-8s %6.1f ms [%5.1f-%5.1f]   %5.1f MiB\n", kModes[i],
                    Quantile(times[i], 0.5), Quantile(times[i], 0.25), Quantile(times[i], 0.75),
                    Quantile(memory[i], 0.5));
    }
    std::printf(
        "  tolbrek / caption: time %.2fx, memory %.2fx   (goals: <= 1.10x on X, memory <= "
        "1.15x)\n",
        Quantile(times[kTolbrek], 0.5) / Quantile(times[kCaption], 0.5),
        Quantile(memory[kTolbrek], 0.5) / Quantile(memory[kCaption], 0.5));
}

// Instructions to first paint, offscreen, as callgrind counts them.
std::optional<double> Instructions(const std::string& program, const char* mode)
{
    char log[] = "/tmp/tolbrek-callgrind-XXXXXX";
    const int descriptor = mkstemp(log);
    if (descriptor < 0) return std::nullopt;
    close(descriptor);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Run({"valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null", program, mode}, nullptr,
        log);
    std::optional<double> count;
    if (FILE* file = std::fopen(log, "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, file)) {
            if (const char* found = std::strstr(line, "Collected : ")) {
                count = std::strtod(found + std::strlen("Collected : "), nullptr);
            }
        }
        std::fclose(file);
    }
    unlink(log);
    return count;
}

}  // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    std::string program = argv[0];
    program = program.substr(0, program.find_last_of('/') + 1) + "first_paint";

    // Offscreen means no X server at all, not even one named by DISPLAY.
    unsetenv("DISPLAY");
    TimePlatform(program, "offscreen", runs);
    const OwnXServer server;
    if (server.display()) {
        setenv("DISPLAY", server.display()->c_str(), 1);
        // With no session bus, as on a build machine, Qt's D-Bus thread
        // spends the start trying to launch one, a program at a time along
        // PATH; a desktop has its bus. Every window here is spared it alike.
        setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
        TimePlatform(program, "xcb", runs);
        unsetenv("DISPLAY");
    } else {
        std::printf("xcb: no Xvfb to start\n");
    }

    if (Run({"valgrind", "--version"}) != 0) {
        std::printf("instructions: valgrind is not installed\n");
        return 0;
    }
    std::array<double, kModes.size()> counts{};
    std::printf("instructions to first paint (callgrind, offscreen):\n");
    for (std::size_t i = 0; i < kModes.size(); ++i) {
        counts[i] = Instructions(program, kModes[i]).value_or(0.0);
        std::printf("  %-8s %7.1f M\n", kModes[i], counts[i] / 1e6);
    }
    std::printf("  tolbrek / caption: %.2fx   (goal <= 1.66x)\n",
                counts[kTolbrek] / counts[kCaption]);
    return 0;
}
