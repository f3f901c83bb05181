// The report's bytes as every system writes them: each line narrowed and
// ended by CR LF, handed to the file in whole pieces, and the lines the
// encoding could not hold told apart.

#include "narrow_line_stream.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kPiece = tolbrek::NarrowLineStream::kPieceBytes;

// A file that keeps each write apart.
struct Written {
    std::vector<std::string> writes;
    bool closed = false;
    std::string bytes() const
    {
        std::string all;
        for (const std::string& write : writes) all += write;
        return all;
    }
};

class RecordingFile final : public tolbrek::ByteStream {
public:
    explicit RecordingFile(Written& written) : m_written(written) {}
    void write(std::string_view bytes) override { m_written.writes.emplace_back(bytes); }
    void close() override { m_written.closed = true; }

private:
    Written& m_written;
};

// An encoding without the infinity sign, which becomes '?'.
std::string WithoutInfinity(std::string_view utf8, bool* lost)
{
    std::string narrow(utf8);
    const std::string infinity = "\xE2\x88\x9E";
    for (std::size_t at; (at = narrow.find(infinity)) != std::string::npos;) {
        narrow.replace(at, infinity.size(), "?");
        if (lost) *lost = true;
    }
    return narrow;
}

}  // namespace

TEST(NarrowLineStream, every_line_ends_in_cr_lf_and_reaches_the_file_at_close)
{
    Written written;
    tolbrek::NarrowLineStream stream(std::make_unique<RecordingFile>(written));
    for (const char* line : {"Cartridge  .308", "", "Bullet  150"})
        EXPECT_TRUE(stream.writeLine(line));
    EXPECT_TRUE(written.writes.empty());
    stream.close();
    EXPECT_EQ(written.writes, std::vector<std::string>{"Cartridge  .308\r\n\r\nBullet  150\r\n"});
    EXPECT_TRUE(written.closed);
}

// A line may straddle two pieces; only the last piece is shorter.
TEST(NarrowLineStream, bytes_reach_the_file_in_whole_pieces)
{
    Written written;
    std::string expected;
    {
        tolbrek::NarrowLineStream stream(std::make_unique<RecordingFile>(written));
        const std::string line(999, 'x');
        while (expected.size() < 2 * kPiece + kPiece / 2) {
            EXPECT_TRUE(stream.writeLine(line));
            expected += line + "\r\n";
        }
        EXPECT_EQ(written.writes.size(), 2u);
        stream.close();
    }
    ASSERT_EQ(written.writes.size(), 3u);
    EXPECT_EQ(written.writes[0].size(), kPiece);
    EXPECT_EQ(written.writes[1].size(), kPiece);
    EXPECT_EQ(written.bytes(), expected);
}

TEST(NarrowLineStream, a_line_the_encoding_cannot_hold_whole_is_told_and_written_as_it_can)
{
    Written written;
    tolbrek::NarrowLineStream stream(std::make_unique<RecordingFile>(written), &WithoutInfinity);
    EXPECT_TRUE(stream.writeLine("Cartridge  .308"));
    EXPECT_FALSE(stream.writeLine("Cartridge  7mm \xE2\x88\x9E"));
    EXPECT_TRUE(stream.writeLine("Cartridge  .223"));
    stream.close();
    EXPECT_EQ(written.bytes(), "Cartridge  .308\r\nCartridge  7mm ?\r\nCartridge  .223\r\n");
}

// Released unclosed, the file is abandoned: what came so far is no report.
TEST(NarrowLineStream, a_stream_released_unclosed_leaves_the_file_unclosed)
{
    Written written;
    {
        tolbrek::NarrowLineStream stream(std::make_unique<RecordingFile>(written));
        EXPECT_TRUE(stream.writeLine("Cartridge  .308"));
    }
    EXPECT_TRUE(written.writes.empty());
    EXPECT_FALSE(written.closed);
}
