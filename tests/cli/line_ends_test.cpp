// --lf: the same as turning every lone LF of the input into CR LF before the
// pass and every CR LF of the result into LF after it.

#include "cli_runner.h"

#include <gtest/gtest.h>

namespace fieldizer::testing {
namespace {

std::string lonesToCrLf(const std::string& text) {
    std::string converted;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            converted += '\r';
        converted += text[i];
    }
    return converted;
}

std::string crLfToLf(const std::string& text) {
    std::string converted;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            converted += text[i];
    return converted;
}

// Runs `args` with --lf, and without it on the converted input, and expects
// the same result once that is converted back.
void expectLikeConvertedRun(const CliRunner& cli, std::vector<std::string> args,
                            const std::string& input) {
    const CliResult plain = cli.run(args, lonesToCrLf(input));
    ASSERT_EQ(plain.status, 0) << plain.err;
    args.push_back("--lf");
    const CliResult lf = cli.run(args, input);
    EXPECT_EQ(lf.status, 0) << lf.err;
    EXPECT_TRUE(lf.out == crLfToLf(plain.out)) << args.front();
}

TEST(CliLineEnds, LfIsTheConvertedPlainRun) {
    CliRunner cli;
    const std::string mixed = "a;1\na;2\r\n\na;3\ra;4\r\r\n\n";
    expectLikeConvertedRun(cli, {"replace", "replaceText=a", "replaceWith=XY"}, mixed);
    expectLikeConvertedRun(cli, {"format", "formatCreate=New line", "formatDelimiter=;"}, mixed);
    expectLikeConvertedRun(cli, {"join-lines"}, "one\ntwo\n\nthree\n");
    expectLikeConvertedRun(cli, {"break-lines", "startLineAfter=3"}, "abcdefgh\nij");
    expectLikeConvertedRun(cli, {"fieldize", "--column", "H:2:2:1:2"}, mixed);
    // Blank lines dropped: a dropped line gets no break.
    expectLikeConvertedRun(
        cli, {"delete", "deleteText=Specific Delete", "deleteSpecificText=\\r\\n"}, mixed);
}

// The result is handed on in pieces; a CR at the end of one piece and the LF
// at the start of the next are still one CR LF.
TEST(CliLineEnds, CrLfAcrossPiecesOfALargeResult) {
    CliRunner cli;
    std::string input;
    for (int i = 0; input.size() < (std::size_t{3} << 20); ++i)
        input += std::string(static_cast<std::size_t>(i % 7), 'x') + "\n";
    expectLikeConvertedRun(cli, {"replace", "replaceText=x", "replaceWith=\\r"}, input);
}

TEST(CliLineEnds, AnLfFileIsManyLines) {
    CliRunner cli;
    auto result = cli.run({"replace", "replaceText=a", "replaceWith=b", "--lf"}, "a1\na2\na3\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "b1\nb2\nb3");
}

// Without --lf an LF text is one line: the run goes on as asked, and says so
// once; a text that has a CR anywhere, or no LF, or --lf, passes in silence.
TEST(CliLineEnds, LfTextWithoutTheOptionIsPointedOut) {
    const std::string warning = "fieldizer-cli: the input's lines end with LF alone, which is "
                                "read as an ordinary character, not as a line end; add --lf to "
                                "read LF line ends\n";
    CliRunner cli;
    ASSERT_EQ(cli.run({"create-database", "fieldizer.mdb"}).status, 0);
    const std::string lfText = "a1\na2\na3\n";
    CliResult result = cli.run({"replace", "replaceText=1", "replaceWith=9"}, lfText);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, warning);
    EXPECT_EQ(result.out, "a9\na2\na3\n") << "the result stays that of one line";
    result = cli.run({"fieldize", "--column", "A:1:2:0:2"}, lfText);
    EXPECT_EQ(result.err, warning);
    result = cli.run({"save", "--table", "T", "--column", "A:1:2:0:2",
                      "databaseProcessMethod=Use column specs on the Fieldize Text tab"},
                     lfText);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, warning + "1 records stored in T (0 values left out)\n");

    for (const std::string& quiet :
         {std::string("a1\r\na2\na3\n"), std::string("a1\ra2"), std::string("a1 a2 a3")}) {
        result = cli.run({"replace", "replaceText=1", "replaceWith=9"}, quiet);
        EXPECT_EQ(result.err, "") << quiet;
    }
    result = cli.run({"replace", "replaceText=1", "replaceWith=9", "--lf"}, lfText);
    EXPECT_EQ(result.err, "");
}

} // namespace
} // namespace fieldizer::testing
