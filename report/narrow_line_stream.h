#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "file_service.h"
#include "narrow_text.h"

namespace tolbrek {

// The report's bytes, formatted alike on every system: each line in the
// system's narrow encoding and ended by CR LF, as a text editor on either
// system reads it. The file is handed the bytes in pieces of kPieceBytes,
// the last one shorter: one write per line would make a long list slow to
// save, and the whole report at once would hold it twice in memory.
class NarrowLineStream {
public:
    static constexpr std::size_t kPieceBytes = 64 * 1024;

    explicit NarrowLineStream(std::unique_ptr<ByteStream> file, Narrowing narrow = &NarrowText);

    // Appends the line (UTF-8) and CR LF. Returns false when the encoding
    // lacks some character of the line, which is then written as the
    // encoding's default character.
    [[nodiscard]] bool writeLine(std::string_view utf8);

    // Hands over the rest and makes the file complete. Released without
    // it, the file is abandoned.
    void close();

private:
    std::unique_ptr<ByteStream> m_file;
    Narrowing m_narrow;
    std::string m_pending;
};

}  // namespace tolbrek
