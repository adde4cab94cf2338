#include "cli_runner.h"
#include "text_engine/required_fields.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fieldizer::testing {
namespace {

// The layer's message as it stands, then what to do on the command line.
const std::string replaceMissing =
    std::string(checkReplaceFields({})->message) +
    "\nset replaceText='General Replace', 'Specific Replace' (with replaceSpecificText=TEXT) or "
    "the text to replace\n";
const std::string nothingToProcess =
    std::string(nothingToProcessMessage) +
    "\ngive a text of at least one byte with --in FILE or on standard input\n";

TEST(CliTextOperation, OutputIsByteExactWithCrLfJoins) {
    CliRunner cli;
    auto result = cli.run({"replace", "replaceText=abc", "replaceWith=X"},
                          "abcabc\r\nno match\rlone\nLF\r\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "XX\r\nno match\r\nlone\nLF");
    EXPECT_EQ(result.err, "");
}

TEST(CliTextOperation, EscapesInValuesAreDecoded) {
    CliRunner cli;
    auto result = cli.run({"replace", "replaceText=;", R"(replaceWith=\t\\)"}, "a;b");
    EXPECT_EQ(result.out, "a\t\\b");
    result = cli.run({"replace", "replaceText=\\x", "replaceWith=-"}, "a\\xb");
    EXPECT_EQ(result.out, "a-b") << "an unknown escape stays as typed";
}

TEST(CliTextOperation, UnknownOrForeignKeysAndBadNumbersAreUsageErrors) {
    CliRunner cli;
    auto result = cli.run({"replace", "replaceTxt=a"}, "x");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("replaceTxt"), std::string::npos) << result.err;
    result = cli.run({"replace", "replaceText=a", "moveFromCol=2"}, "x");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("moveFromCol"), std::string::npos) << result.err;
    result = cli.run({"replace", "replaceText=a", "replaceAtCol=1000"}, "x");
    EXPECT_EQ(result.status, 2);
    result = cli.run({"replace", "replaceText=a", "replaceEndOfLine=2"}, "x");
    EXPECT_EQ(result.status, 2);
    result = cli.run({"frobnicate"}, "x");
    EXPECT_EQ(result.status, 2);
}

TEST(CliTextOperation, AfterProcessKeysAreAcceptedAndIgnored) {
    CliRunner cli;
    auto result =
        cli.run({"replace", "replaceText=a", "replaceWith=b", "replaceAfterProcess=0"}, "a");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "b");
}

TEST(CliTextOperation, RequiredFieldComesBeforeEmptyInput) {
    CliRunner cli;
    auto result = cli.run({"replace"}, "");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, replaceMissing);
    result = cli.run({"replace", "replaceText=a"}, "");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, nothingToProcess);
    cli.write("empty.txt", "");
    result = cli.run({"replace", "replaceText=a", "--in", "empty.txt"});
    EXPECT_EQ(result.err, nothingToProcess);
}

TEST(CliTextOperation, FormatWithoutDelimiterIsRefused) {
    CliRunner cli;
    auto result = cli.run({"format", "formatCreate=New line"}, "a;b");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, std::string(checkFormatFields({})->message) +
                              "\nset formatDelimiter=TEXT, for example 'formatDelimiter=;'\n");
}

TEST(CliTextOperation, RuntimeErrorWritesNothingToOut) {
    CliRunner cli;
    cli.write("out.txt", "previous content");
    auto result = cli.run({"replace", "replaceText=General Replace", "replaceAtCol=0",
                           "replaceNumOfChars=0", "replaceWith=X", "--out", "out.txt"},
                          "abc\r\ndef");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Invalid procedure call or argument\n");
    EXPECT_EQ(cli.read("out.txt"), "previous content");
    EXPECT_EQ(result.out, "");
}

TEST(CliTextOperation, MissingInputFileIsARuntimeError) {
    CliRunner cli;
    auto result = cli.run({"replace", "replaceText=a", "--in", "nowhere.txt", "--out", "o.txt"});
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(std::filesystem::exists(cli.folder() / "o.txt"));
}

// A real census file of 1,555 fixed-width records: General Replace of two
// characters at column 5 must touch exactly those bytes on every line.
TEST(CliTextOperation, GeneralReplaceOnARealFixedWidthFile) {
    CliRunner cli;
    std::ifstream source(FIELDIZER_TEST_DATA "/VROUTFSJ.TXt", std::ios::binary);
    std::stringstream bytes;
    bytes << source.rdbuf();
    const std::string input = bytes.str();
    cli.write("census.txt", input);
    auto result =
        cli.run({"replace", "replaceText=General Replace", "replaceAtCol=5", "replaceNumOfChars=2",
                 "replaceWith=ST", "--in", "census.txt", "--out", "result.txt"});
    ASSERT_EQ(result.status, 0) << result.err;
    std::string expected = input;
    for (std::size_t start = 0; start < expected.size();) {
        expected.replace(start + 4, 2, "ST");
        start = expected.find("\r\n", start) + 2;
    }
    expected.resize(expected.size() - 2); // no break after the last line
    EXPECT_EQ(cli.read("result.txt"), expected);
}

} // namespace
} // namespace fieldizer::testing

namespace fieldizer::testing {
namespace {

TEST(CliLineTools, JoinCreateAndBreakLines) {
    CliRunner cli;
    EXPECT_EQ(cli.run({"join-lines"}, "one\r\ntwo\r\n\r\nthree").out, "onetwo\r\n\r\nthree");
    EXPECT_EQ(cli.run({"create-line"}, "a\r\nb\r\n\r\nc\r\n").out, "abc");
    EXPECT_EQ(cli.run({"break-lines", "startLineAfter=5"}, "abcdefghij").out, "abcde\r\nfghij");
    auto unchanged = cli.run({"break-lines"}, "abc\r\n");
    EXPECT_EQ(unchanged.status, 0);
    EXPECT_EQ(unchanged.out, "abc\r\n") << "a line length of 0 leaves the text as it was";
    EXPECT_EQ(cli.run({"join-lines", "startLineAfter=5"}, "x").status, 2)
        << "join-lines takes no keys";
}

} // namespace
} // namespace fieldizer::testing
