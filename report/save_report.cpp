#include "save_report.h"

namespace tolbrek {

std::string WriteReport(const LoadList& list, FileService& files, const std::string& path,
                        const std::function<std::string()>& fallbackPath)
{
    std::string written = path;
    std::unique_ptr<TextStream> stream;
    try {
        stream = files.replaceTextFile(path);
    } catch (const FolderRefusedError&) {
        if (!fallbackPath) throw;
        written = fallbackPath();
        stream = files.replaceTextFile(written);
    }
    // Every line is written, however long the list has grown.
    const std::size_t count = list.lineCount();
    for (std::size_t index = 0; index < count; ++index) stream->writeLine(list.line(index));
    stream->close();
    return written;
}

}  // namespace tolbrek
