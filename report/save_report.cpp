#include "save_report.h"

#include "narrow_line_stream.h"

namespace tolbrek {

WrittenReport WriteReport(const LoadList& list, FileService& files, const std::string& path,
                          const std::function<std::string()>& fallbackPath, Narrowing narrow)
{
    WrittenReport written{path, std::nullopt};
    std::unique_ptr<ByteStream> file;
    try {
        file = files.replaceFile(path);
    } catch (const FolderRefusedError&) {
        if (!fallbackPath) throw;
        written.path = fallbackPath();
        file = files.replaceFile(written.path);
    }
    NarrowLineStream stream(std::move(file), narrow);
    // Every line is written, however long the list has grown.
    const std::size_t count = list.lineCount();
    for (std::size_t index = 0; index < count; ++index) {
        std::string line = list.line(index);
        if (!stream.writeLine(line) && !written.firstIncompleteLine) {
            written.firstIncompleteLine = IncompleteLine{index, std::move(line)};
        }
    }
    stream.close();
    return written;
}

}  // namespace tolbrek
