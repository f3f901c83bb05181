#include "save_report.h"

namespace tolbrek {

WrittenReport WriteReport(const LoadList& list, FileService& files, const std::string& path,
                          const std::function<std::string()>& fallbackPath)
{
    WrittenReport written{path, std::nullopt};
    std::unique_ptr<TextStream> stream;
    try {
        stream = files.replaceTextFile(path);
    } catch (const FolderRefusedError&) {
        if (!fallbackPath) throw;
        written.path = fallbackPath();
        stream = files.replaceTextFile(written.path);
    }
    // Every line is written, however long the list has grown.
    const std::size_t count = list.lineCount();
    for (std::size_t index = 0; index < count; ++index) {
        std::string line = list.line(index);
        if (!stream->writeLine(line) && !written.firstIncompleteLine) {
            written.firstIncompleteLine = IncompleteLine{index, std::move(line)};
        }
    }
    stream->close();
    return written;
}

}  // namespace tolbrek
