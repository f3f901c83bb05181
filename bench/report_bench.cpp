// Report benchmark, printing medians:
//  - Save Data of 32,776 list lines to a file, against writing the same bytes
//    with one plain std::ofstream;
//  - Populate List's cost per click (handler plus the event processing it
//    causes: list layout and painting) with 8 and with 32,768 lines listed.
//
//   report_bench [runs]        (default 21; offscreen unless a display is set)

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "file_service.h"
#include "load_summary.h"
#include "memory_load.h"
#include "save_report.h"
#include "tolbrek_window.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Worked-load summaries, as Populate List makes them, cut to a line count.
MemoryList ManyLoads(std::size_t lineCount)
{
    MemoryList list;
    while (list.lineCount() < lineCount) tolbrek::AppendLoadSummary(WorkedLoadForm(), list, ".");
    list.lines.resize(lineCount);
    return list;
}

void BenchSave(int runs, const QString& folder)
{
    const MemoryList list = ManyLoads(32776);
    const std::string path = QDir(folder).filePath("Text.txt").toStdString();
    const std::string plainPath = QDir(folder).filePath("plain.txt").toStdString();
    const auto files = tolbrek::MakeStandardFileService();
    std::vector<double> saves;
    std::vector<double> plains;
    for (int run = 0; run < runs; ++run) {
        auto start = Clock::now();
        tolbrek::WriteReport(list, *files, path);
        saves.push_back(Milliseconds(Clock::now() - start));

        start = Clock::now();
        std::ofstream plain(plainPath, std::ios::binary | std::ios::trunc);
        for (const std::string& line : list.lines) plain << line << "\r\n";
        plain.close();
        plains.push_back(Milliseconds(Clock::now() - start));
    }
    std::printf(
        "Save Data, 32776 lines:  %6.2f ms   plain ofstream: %6.2f ms   ratio %.2fx "
        "(goals: <= 50 ms, <= 5x)\n",
        Median(saves), Median(plains), Median(saves) / Median(plains));
}

// One Populate click with `listed` lines already in the list.
std::vector<double> PopulateClicks(tolbrek::TolbrekWindow& window, int listed, int runs)
{
    auto* list = window.findChild<QListWidget*>(QStringLiteral("List1"));
    while (list->count() < listed) window.cmdPopulate_Click();
    QApplication::processEvents();
    std::vector<double> clicks;
    for (int run = 0; run < runs; ++run) {
        const auto start = Clock::now();
        window.cmdPopulate_Click();
        QApplication::processEvents();
        clicks.push_back(Milliseconds(Clock::now() - start));
        while (list->count() > listed) delete list->takeItem(list->count() - 1);
        QApplication::processEvents();
    }
    return clicks;
}

void BenchPopulate(int runs)
{
    // Populate List uses no service of the system.
    tolbrek::TolbrekWindow window(tolbrek::CommandServices{});
    window.findChild<QLineEdit*>(QStringLiteral("txtBulwt"))->setText(QStringLiteral("150"));
    window.findChild<QLineEdit*>(QStringLiteral("txtCalib"))->setText(QStringLiteral(".308"));
    window.show();
    const double small = Median(PopulateClicks(window, 8, runs));
    const double large = Median(PopulateClicks(window, 32768, runs));
    std::printf(
        "Populate List per click: %6.3f ms at 8 lines, %6.3f ms at 32768 lines, ratio "
        "%.2fx (goal <= 1.5x)\n",
        small, large, large / small);
}

}  // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QTemporaryDir folder;
    BenchSave(runs, folder.path());
    BenchPopulate(runs);
    return 0;
}
