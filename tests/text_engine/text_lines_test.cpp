#include "runtime_error_checks.h"
#include "scratch_folder.h"
#include "text_engine/file_line_reader.h"
#include "text_engine/runtime_error.h"
#include "text_engine/text_lines.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

using Lines = std::vector<std::string_view>;

TEST(SplitLines, BreaksAreCrLfOrLoneCr) {
    EXPECT_EQ(splitLines("a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (Lines{"a", "b"})) << "a final break starts no line";
    EXPECT_EQ(splitLines("a\rb"), (Lines{"a", "b"}));
    EXPECT_EQ(splitLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitLines("no break"), (Lines{"no break"}));
}

TEST(SplitLines, LoneLfIsAnOrdinaryCharacter) {
    EXPECT_EQ(splitLines("a\nb\r\nc"), (Lines{"a\nb", "c"}));
    EXPECT_EQ(splitLines("\n"), (Lines{"\n"}));
    EXPECT_EQ(splitLines("a\r\r\nb"), (Lines{"a", "", "b"}));
}

TEST(SplitLines, EmptyTextHasNoLinesAndBareBreakIsOneEmptyLine) {
    EXPECT_TRUE(splitLines("").empty());
    EXPECT_EQ(splitLines("\r\n"), (Lines{""}));
    EXPECT_EQ(splitLines("\r"), (Lines{""}));
}

TEST(JoinLines, EveryLineEndsWithCrLfButTheLast) {
    EXPECT_EQ(joinLines({"a", "b"}), "a\r\nb");
    EXPECT_EQ(joinLines({"", ""}), "\r\n");
    EXPECT_EQ(joinLines({""}), "");
    EXPECT_EQ(joinLines({}), "");
}

TEST(LineCursor, PositionCountsBreakBytes) {
    LineCursor cursor("ab\r\ncd\re");
    EXPECT_EQ(cursor.next(), "ab");
    EXPECT_EQ(cursor.position(), 4u);
    EXPECT_EQ(cursor.next(), "cd");
    EXPECT_EQ(cursor.position(), 7u);
    EXPECT_EQ(cursor.next(), "e");
    EXPECT_TRUE(cursor.atEnd());
}

class FileLineReaderTest : public ::testing::Test {
  protected:
    std::string write(const std::string& bytes) const { return scratch_.write("input.txt", bytes); }
    testing::ScratchFolder scratch_;
};

// Reading in tiny chunks puts every break, CR LF pairs included, across a
// chunk boundary somewhere; the lines must be those of the in-memory split.
TEST_F(FileLineReaderTest, AgreesWithSplitLinesAtEveryChunkSize) {
    const std::string text = "first\r\nsecond\rthird\n\r\n\r\r\nlast line\r";
    const auto path = write(text);
    const auto expected = splitLines(text);
    for (std::size_t chunk = 1; chunk <= text.size() + 1; ++chunk) {
        FileLineReader reader(path, chunk);
        std::vector<std::string> got;
        while (!reader.atEnd())
            got.emplace_back(reader.next());
        ASSERT_EQ(got.size(), expected.size()) << "chunk " << chunk;
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_EQ(got[i], expected[i]) << "chunk " << chunk << " line " << i;
        EXPECT_EQ(reader.position(), text.size());
    }
}

TEST_F(FileLineReaderTest, LongLineAcrossManyChunks) {
    const std::string longLine(100000, 'x');
    const auto path = write(longLine + "\r\ny");
    FileLineReader reader(path, 4096);
    EXPECT_EQ(reader.next(), longLine);
    EXPECT_EQ(reader.next(), "y");
    EXPECT_TRUE(reader.atEnd());
}

// A missing folder is not a missing file: 76 "Path not found" tells the user
// to make the folder.
TEST_F(FileLineReaderTest, MissingFileIsError53AndMissingFolder76) {
    EXPECT_RUNTIME_ERROR_NUMBER(
        FileLineReader(std::filesystem::temp_directory_path() / "fieldizer-no-such-file.txt"),
        errors::fileNotFound);
    EXPECT_RUNTIME_ERROR_NUMBER(FileLineReader("/nonexistent/folder/file.txt"),
                                errors::pathNotFound);
}

} // namespace
} // namespace fieldizer
