#include "save_report.h"

namespace tolbrek {

void WriteReport(const LoadList& list, FileService& files, const std::string& path)
{
    const std::unique_ptr<TextStream> stream = files.replaceTextFile(path);
    // Every line is written, however long the list has grown.
    const std::size_t count = list.lineCount();
    for (std::size_t index = 0; index < count; ++index) stream->writeLine(list.line(index));
    stream->close();
}

}  // namespace tolbrek
