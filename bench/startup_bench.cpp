// Start-up benchmark: time from process start to the first paint of the
// window, and peak resident memory, for Tolbrek, for a bare Qt window of the
// same size, and for that window with one caption (the font system's fixed
// cost), alternating runs in one session.
//
//   bench_startup [runs]        (default 30; offscreen unless a display is set)

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    long peakKilobytes;
};

Sample RunOnce(const std::string& program, const char* mode)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program.c_str(), program.c_str(), mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto stop = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s %s failed (status %d)\n", program.c_str(), mode, status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(stop - start).count(), usage.ru_maxrss};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    std::string program = argv[0];
    program = program.substr(0, program.find_last_of('/') + 1) + "first_paint";

    constexpr int kModes = 3;
    std::vector<double> times[kModes];
    std::vector<double> memory[kModes];
    const char* modes[kModes] = {"bare", "caption", "tolbrek"};
    for (const char* mode : modes) RunOnce(program, mode);  // warm the file cache
    for (int run = 0; run < runs; ++run) {
        for (int i = 0; i < kModes; ++i) {
            const Sample sample = RunOnce(program, modes[i]);
            times[i].push_back(sample.milliseconds);
            memory[i].push_back(static_cast<double>(sample.peakKilobytes));
        }
    }
    std::printf("platform: %s, %d runs each, medians\n",
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "default", runs);
    for (int i = 0; i < kModes; ++i) {
        std::printf("%-8s first paint %7.1f ms   peak memory %7.0f KiB\n", modes[i],
                    Median(times[i]), Median(memory[i]));
    }
    for (int reference = 0; reference < 2; ++reference) {
        std::printf(
            "tolbrek / %-7s: time %.2fx, memory %.2fx   (goal against bare: <= 1.20x, "
            "<= 1.30x)\n",
            modes[reference], Median(times[2]) / Median(times[reference]),
            Median(memory[2]) / Median(memory[reference]));
    }
    return 0;
}
