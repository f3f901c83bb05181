// Windows start-up benchmark, run under wine or on Windows: the time from
// starting a program to its window being painted and the program waiting
// for input (WaitForInputIdle), and its peak working set, for tolbrek.exe
// against a bare window of the same size, that window with one caption and
// that window with the design's 28 controls and nothing more
// (controls_window.exe), alternating in one session; and the size of each
// stripped program.
//
//   win32_startup_bench [runs] [other.exe ...]
//
// runs defaults to 30; the programs lie beside it. Each other program there
// (an earlier tolbrek.exe, say) is measured in the same session too, so that
// a change is seen against the same machine load.

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    double peakKibibytes;
};

std::wstring Beside(const wchar_t* name)
{
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

Sample RunOnce(const std::wstring& program, const wchar_t* argument)
{
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    LARGE_INTEGER idle{};
    QueryPerformanceFrequency(&frequency);
    std::wstring commandLine = L"\"" + program + L"\" " + argument;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        std::fprintf(stderr, "could not start %ls (error %lu)\n", program.c_str(), GetLastError());
        std::exit(1);
    }
    if (WaitForInputIdle(process.hProcess, 30000) != 0) {
        std::fprintf(stderr, "%ls never waited for input\n", program.c_str());
        std::exit(1);
    }
    QueryPerformanceCounter(&idle);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {1000.0 * static_cast<double>(idle.QuadPart - start.QuadPart) /
                static_cast<double>(frequency.QuadPart),
            static_cast<double>(memory.PeakWorkingSetSize) / 1024.0};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double FileKibibytes(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return static_cast<double>(data.nFileSizeLow) / 1024.0;
}

}  // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    struct Mode {
        std::wstring label;
        std::wstring program;
        const wchar_t* argument;
    };
    std::vector<Mode> modes = {{L"bare", L"bare_window.exe", L""},
                               {L"caption", L"bare_window.exe", L"caption"},
                               {L"controls", L"controls_window.exe", L""},
                               {L"tolbrek", L"tolbrek.exe", L""}};
    constexpr std::size_t kTolbrek = 3;
    for (int other = 2; other < argc; ++other) {
        const std::wstring name(argv[other], argv[other] + std::strlen(argv[other]));
        modes.push_back({name.substr(0, name.find_last_of(L'.')), name, L""});
    }
    const std::size_t count = modes.size();
    std::vector<std::vector<double>> times(count);
    std::vector<std::vector<double>> memory(count);
    for (const Mode& mode : modes) RunOnce(Beside(mode.program.c_str()), mode.argument);  // warm up
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < count; ++i) {
            const Sample sample = RunOnce(Beside(modes[i].program.c_str()), modes[i].argument);
            times[i].push_back(sample.milliseconds);
            memory[i].push_back(sample.peakKibibytes);
        }
    }
    std::printf("%d runs each, alternating, medians\n", runs);
    for (std::size_t i = 0; i < count; ++i) {
        std::printf("%-8ls start to first paint %7.1f ms   peak working set %7.0f KiB\n",
                    modes[i].label.c_str(), Median(times[i]), Median(memory[i]));
    }
    for (std::size_t measured = kTolbrek; measured < count; ++measured) {
        for (std::size_t reference = 0; reference < kTolbrek; ++reference) {
            std::printf("%-8ls / %-8ls: time %.2fx, memory %.2fx\n", modes[measured].label.c_str(),
                        modes[reference].label.c_str(),
                        Median(times[measured]) / Median(times[reference]),
                        Median(memory[measured]) / Median(memory[reference]));
        }
    }
    std::printf("stripped: tolbrek.exe %.0f KiB (goal < 1 MB), bare_window.exe %.0f KiB\n",
                FileKibibytes(Beside(L"tolbrek.exe")), FileKibibytes(Beside(L"bare_window.exe")));
    return 0;
}
