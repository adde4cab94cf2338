#include "text_engine/line_tools.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

class CountingObserver : public PassObserver {
  public:
    void started(std::uint64_t total) override { totalBytes = total; }
    void yield(std::uint64_t position) override {
        ++yields;
        lastPosition = position;
    }
    bool stopRequested() const override { return ++stopQuestions > stopAfter; }
    void finished() override { ++finishedCalls; }

    std::uint64_t totalBytes = 0;
    std::uint64_t lastPosition = 0;
    int yields = 0;
    int finishedCalls = 0;
    int stopAfter = 1 << 30;
    mutable int stopQuestions = 0;
};

std::string joined(std::string_view text) {
    CountingObserver observer;
    return joinParagraphLines(text, observer).text;
}

std::string oneLine(std::string_view text) {
    CountingObserver observer;
    return createLine(text, observer).text;
}

std::string broken(std::string_view text, int length) {
    CountingObserver observer;
    return breakIntoLines(text, length, observer).text;
}

TEST(JoinLines, JoinsTheLinesOfEachParagraph) {
    EXPECT_EQ(joined("one\r\ntwo\r\n\r\nthree"), "onetwo\r\n\r\nthree");
    EXPECT_EQ(joined("a\r\nb\r\nc"), "abc");
}

TEST(JoinLines, DropsASingleFinalLineBreak) {
    EXPECT_EQ(joined("abc\r\n"), "abc");
}

TEST(JoinLines, TwoEmptyLinesBecomeThree) {
    EXPECT_EQ(joined("a\r\n\r\n\r\nb"), "a\r\n\r\n\r\n\r\nb");
}

TEST(JoinLines, LineBreakAtTheStartStaysOnce) {
    EXPECT_EQ(joined("\r\nabc"), "\r\nabc");
    EXPECT_EQ(joined("\n"), "\r\n");
}

TEST(JoinLines, LeadingSpacesAfterCrLfStay) {
    EXPECT_EQ(joined("a\r\n  b"), "a  b");
}

TEST(JoinLines, SpaceAfterALoneCrIsDroppedWhenAnotherFollows) {
    // After a lone CR the character at i is appended without leading spaces
    // when position i + 3 holds a space.
    EXPECT_EQ(joined("a\r bc d"), "abc d");
    EXPECT_EQ(joined("a\r bcd"), "a bcd");
}

TEST(CreateLine, RemovesEveryLineBreak) {
    EXPECT_EQ(oneLine("one\r\ntwo\r\n\r\nthree\r\n"), "onetwothree");
    EXPECT_EQ(oneLine("a\rb\nc"), "abc");
}

TEST(CreateLine, LineBreakAtTheStartStaysOnce) {
    EXPECT_EQ(oneLine("\r\n\r\nabc"), "\r\nabc");
}

TEST(BreakIntoLines, CutsATextWithoutBreaksIntoFixedLines) {
    EXPECT_EQ(broken("abcdefghij", 3), "abc\r\ndef\r\nghi\r\nj");
    EXPECT_EQ(broken("abcdefghij", 5), "abcde\r\nfghij");
    EXPECT_EQ(broken("abcdefghij", 50), "abcdefghij");
}

TEST(BreakIntoLines, ExistingBreakEndsTheLineInHand) {
    // The next line starts with a space unless the character at the count
    // of positions examined is a space.
    EXPECT_EQ(broken("abc\r\ndef", 10), "abc\r\n def");
    EXPECT_EQ(broken("ab\r\n\r\ncd", 10), "ab\r\n\r\n cd");
    EXPECT_EQ(broken("abc\r\n", 10), "abc");
}

TEST(BreakIntoLines, LoneCrBecomesASpace) {
    EXPECT_EQ(broken("ab\rcd", 10), "ab cd");
}

TEST(BreakIntoLines, LineOfExactlyTheLengthThenABreak) {
    EXPECT_EQ(broken("abc\r\ndef", 3), "abc\r\n\r\n de\r\nf");
}

TEST(BreakIntoLines, NothingToDo) {
    CountingObserver observer;
    EXPECT_FALSE(breakIntoLines("abc", 0, observer).ran);
    EXPECT_FALSE(breakIntoLines("", 5, observer).ran);
    EXPECT_FALSE(joinParagraphLines("", observer).ran);
    EXPECT_FALSE(createLine("", observer).ran);
    EXPECT_EQ(observer.finishedCalls, 0) << "no progress bar for nothing";
}

TEST(LineTools, ReportProgressAndFinish) {
    CountingObserver observer;
    const LineToolResult result = joinParagraphLines("a\r\nb", observer);
    EXPECT_TRUE(result.ran);
    EXPECT_EQ(result.state, PassState::Done);
    EXPECT_EQ(observer.totalBytes, 4u);
    EXPECT_GE(observer.yields, 1);
    EXPECT_EQ(observer.finishedCalls, 1);
}

TEST(LineTools, StopKeepsWhatWasBuiltSoFar) {
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "line\r\n";
    CountingObserver observer;
    observer.stopAfter = 10;
    const LineToolResult result = breakIntoLines(text, 80, observer);
    EXPECT_EQ(result.state, PassState::Stopped);
    EXPECT_EQ(result.text.substr(0, 11), "line\r\n line");
    EXPECT_LT(result.text.size(), text.size() / 10);

    CountingObserver joinObserver;
    joinObserver.stopAfter = 3;
    const LineToolResult joinedPart = createLine(text, joinObserver);
    EXPECT_EQ(joinedPart.state, PassState::Stopped);
    EXPECT_EQ(joinedPart.text, "lineline");
}

TEST(LineTools, LongTextWithoutBreaksIsCopiedWhole) {
    const std::string text(3'000'000, 'x');
    CountingObserver observer;
    EXPECT_EQ(createLine(text, observer).text, text);
    const std::string lines = broken(text, 999);
    EXPECT_EQ(lines.size(), text.size() + (text.size() / 999) * 2);
}

TEST(LineTools, StartLineAfterReadsTheBoxAsANumber) {
    ParameterValues values = defaultParameterValues();
    EXPECT_EQ(startLineAfterValue(values), 0);
    values["startLineAfter"] = "12";
    EXPECT_EQ(startLineAfterValue(values), 12);
}

} // namespace
} // namespace fieldizer

namespace fieldizer {
namespace {

class Collected final : public PassOutput {
  public:
    void write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

// Handing the result on in pieces must give the very bytes the tools return,
// across the piece boundaries and the start-of-output rule.
TEST(LineTools, StreamedOutputEqualsTheReturnedText) {
    std::string big = "\r\n";
    for (int i = 0; i < 200000; ++i)
        big += (i % 5 ? "line of text " : "\r\n \r  x") + std::to_string(i) + "\r\n";
    PassObserver quiet;
    for (const std::string& text : {big, std::string("\r\nabc"), std::string("a\rb")}) {
        Collected joined, created, broken;
        EXPECT_TRUE(joinParagraphLines(text, quiet, &joined).text.empty());
        EXPECT_EQ(joined.text, joinParagraphLines(text, quiet).text);
        createLine(text, quiet, &created);
        EXPECT_EQ(created.text, createLine(text, quiet).text);
        breakIntoLines(text, 7, quiet, &broken);
        EXPECT_EQ(broken.text, breakIntoLines(text, 7, quiet).text);
    }
}

} // namespace
} // namespace fieldizer
