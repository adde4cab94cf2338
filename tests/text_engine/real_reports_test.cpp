// The operations on real reports from tests/data (see tests/data/SOURCES.md),
// checked against the same change made with plain string handling.

#include "operation_test_support.h"
#include "text_engine/delete_text.h"
#include "text_engine/format_text.h"
#include "text_engine/move_text.h"
#include "text_engine/replace_text.h"
#include "text_engine/text_lines.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fieldizer {
namespace {

std::string readTestFile(const char* name) {
    std::ifstream in(std::string(FIELDIZER_TEST_DATA) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every line of `text` changed by `change`, joined as the pass joins lines.
template <class Change> std::string eachLine(std::string_view text, Change change) {
    std::vector<std::string> lines;
    for (std::string_view line : splitLines(text))
        lines.push_back(change(std::string(line)));
    return joinLines(lines);
}

TEST(RealReports, FormatBarDelimitedRecordsIntoColumns) {
    const std::string text = readTestFile("event-notification-rpt-lastmonth.txt");
    FormatParameters p;
    p.formatCreate = "New column";
    p.formatDelimiter = "|";
    p.formatSpacesBetweenCols = 1;
    const std::string expected = eachLine(text, [](std::string line) {
        std::replace(line.begin(), line.end(), '|', ' ');
        return line;
    });
    EXPECT_EQ(testing::textResult(formatOperation(p), text), expected);
}

TEST(RealReports, FormatBarDelimitedRecordsIntoLines) {
    const std::string text = readTestFile("event-notification-rpt-lastmonth.txt");
    FormatParameters p;
    p.formatDelimiter = "|";
    const std::string expected = eachLine(text, [](std::string line) {
        std::string out;
        for (char c : line)
            out += c == '|' ? std::string("\r\n") : std::string(1, c);
        return out;
    });
    EXPECT_EQ(testing::textResult(formatOperation(p), text), expected);
}

TEST(RealReports, GeneralDeleteAndMoveOnFixedWidthRecords) {
    const std::string text = readTestFile("VROUTFSJ.TXt");
    DeleteParameters del;
    del.deleteText = "General Delete";
    del.deleteFromCol = 14;
    del.deleteNumOfChars = 3;
    EXPECT_EQ(testing::textResult(deleteOperation(del), text),
              eachLine(text, [](std::string line) { return line.erase(13, 3); }));

    MoveParameters move;
    move.textToMove = "General Move";
    move.moveFromCol = 14;
    move.moveNumOfChars = 3;
    move.moveEndOfLine = true;
    EXPECT_EQ(testing::textResult(moveOperation(move), text), eachLine(text, [](std::string line) {
                  return line.substr(0, 13) + line.substr(16) + line.substr(13, 3);
              }));
}

TEST(RealReports, TypedReplaceOnAClimateReport) {
    const std::string text = readTestFile("CF6DSM.txt");
    ReplaceParameters p;
    p.replaceText = "  ";
    p.replaceWith = ";";
    const std::string expected = eachLine(text, [](std::string line) {
        for (std::size_t at = line.find("  "); at != line.npos; at = line.find("  ", at + 1))
            line.replace(at, 2, ";");
        return line;
    });
    EXPECT_EQ(testing::textResult(replaceOperation(p), text), expected);
}

} // namespace
} // namespace fieldizer
