#include "save_report.h"

namespace tolbrek {

void WriteReport(const LoadList& list, FileService& files, const std::string& path)
{
    if (files.FileExists(path)) files.DeleteFile(path, /*force=*/false);
    const std::unique_ptr<TextStream> stream =
        files.CreateTextFile(path, /*overwrite=*/true, /*unicode=*/false);
    // Every line is written, however long the list has grown.
    const std::size_t count = list.count();
    for (std::size_t index = 0; index < count; ++index) stream->WriteLine(list.line(index));
    stream->Close();
}

}  // namespace tolbrek
