#include "narrow_line_stream.h"

#include <utility>

namespace tolbrek {

NarrowLineStream::NarrowLineStream(std::unique_ptr<ByteStream> file, Narrowing narrow)
    : m_file(std::move(file)), m_narrow(narrow)
{
}

bool NarrowLineStream::writeLine(std::string_view utf8)
{
    bool lost = false;
    m_pending += m_narrow(utf8, &lost);
    m_pending += "\r\n";
    std::size_t handed = 0;
    for (; m_pending.size() - handed >= kPieceBytes; handed += kPieceBytes) {
        m_file->write(std::string_view(m_pending).substr(handed, kPieceBytes));
    }
    m_pending.erase(0, handed);
    return !lost;
}

void NarrowLineStream::close()
{
    if (!m_pending.empty()) m_file->write(m_pending);
    m_pending.clear();
    m_file->close();
}

}  // namespace tolbrek
