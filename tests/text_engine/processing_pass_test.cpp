#include "runtime_error_checks.h"
#include "scratch_folder.h"
#include "text_engine/processing_pass.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

namespace fieldizer {
namespace {

namespace fs = std::filesystem;

const LineOperation unchanged = [](std::string_view line, std::string& out) {
    out += line;
    return true;
};

class RecordingObserver : public PassObserver {
  public:
    void started(std::uint64_t total) override { totalBytes = total; }
    void yield(std::uint64_t bytesRead) override {
        ++yields;
        lastProgress = bytesRead;
        if (stopAtYield && yields >= *stopAtYield)
            stop = true;
    }
    bool stopRequested() const override { return stop; }
    void finished() override { ++finishedCalls; }

    std::uint64_t totalBytes = 0;
    std::uint64_t lastProgress = 0;
    int yields = 0;
    int finishedCalls = 0;
    std::optional<int> stopAtYield;
    bool stop = false;
};

class ProcessingPassTest : public ::testing::Test {
  protected:
    std::string pass(std::string_view text, const LineOperation& operation = unchanged) {
        RecordingObserver observer;
        return runProcessingPass(text, operation, observer, folder_).text;
    }
    testing::ScratchFolder scratch_;
    const fs::path& folder_ = scratch_.path();
};

TEST_F(ProcessingPassTest, LineBreaksComeBackAsCrLfWithoutTheFinalOne) {
    EXPECT_EQ(pass("one line"), "one line");
    EXPECT_EQ(pass("a\r\nb\r\n"), "a\r\nb");
    EXPECT_EQ(pass("a\rb"), "a\r\nb");
    EXPECT_EQ(pass("a\nb"), "a\nb");
    EXPECT_EQ(pass("\r\n"), "");
    EXPECT_EQ(pass("   "), "   ");
}

TEST_F(ProcessingPassTest, OperationResultsMayDropOrSplitLines) {
    const LineOperation dropAll = [](std::string_view, std::string&) { return false; };
    EXPECT_EQ(pass("a\r\nb\r\nc", dropAll), "");
    const LineOperation doubleUp = [](std::string_view line, std::string& out) {
        out.append(line).append("\r\n").append(line);
        return true;
    };
    EXPECT_EQ(pass("a\r\nb", doubleUp), "a\r\na\r\nb\r\nb");
}

TEST_F(ProcessingPassTest, TempFileIsGoneAfterSuccessAndFailure) {
    EXPECT_EQ(pass("x\r\ny"), "x\r\ny");
    EXPECT_TRUE(fs::is_empty(folder_));

    const LineOperation failing = [](std::string_view, std::string&) -> bool {
        throw errors::invalidProcedureCall();
    };
    RecordingObserver observer;
    EXPECT_RUNTIME_ERROR(runProcessingPass("x", failing, observer, folder_), errors::invalidCall,
                         "Invalid procedure call or argument");
    EXPECT_TRUE(fs::is_empty(folder_));
}

// Another window's pass in the same folder: its temporary file, under the
// name every pass once shared, is neither read nor removed.
TEST_F(ProcessingPassTest, APassLeavesAnotherPassesFileAlone) {
    const fs::path others = folder_ / "fieldize.tmp";
    std::ofstream(others) << "another window's text";
    fs::path ownFile;
    const LineOperation lookAround = [&](std::string_view line, std::string& out) {
        for (const auto& entry : fs::directory_iterator(folder_))
            if (entry.path() != others)
                ownFile = entry.path();
        out += line;
        return true;
    };
    EXPECT_EQ(pass("mine", lookAround), "mine");
    EXPECT_NE(ownFile, fs::path()) << "the pass wrote no file of its own";
    EXPECT_FALSE(fs::exists(ownFile));
    std::ifstream kept(others);
    std::string text;
    std::getline(kept, text);
    EXPECT_EQ(text, "another window's text");
}

// Two windows (threads here) press Process in one folder at the same moment,
// again and again: each gets back its own text, never a missing file.
TEST_F(ProcessingPassTest, PassesRunningTogetherInOneFolderKeepTheirOwnText) {
    auto passes = [&](const std::string& text, std::string& failure) {
        for (int round = 0; round < 300 && failure.empty(); ++round) {
            RecordingObserver observer;
            try {
                const std::string got = runProcessingPass(text, unchanged, observer, folder_).text;
                if (got != text)
                    failure = "read \"" + got + "\" instead of \"" + text + "\"";
            } catch (const RuntimeError& error) {
                failure = error.description();
            }
        }
    };
    std::string firstFailure, secondFailure;
    std::thread first(passes, "first window's text", std::ref(firstFailure));
    std::thread second(passes, "second window's text", std::ref(secondFailure));
    first.join();
    second.join();
    EXPECT_EQ(firstFailure, "");
    EXPECT_EQ(secondFailure, "");
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(ProcessingPassTest, MissingFolderIsPathNotFound) {
    RecordingObserver observer;
    EXPECT_RUNTIME_ERROR_NUMBER(
        runProcessingPass("x", unchanged, observer, folder_ / "no" / "such"), errors::pathNotFound);
}

TEST_F(ProcessingPassTest, ProgressRunsOverTheByteLengthWithBreaks) {
    RecordingObserver observer;
    auto result = runProcessingPass("ab\r\ncd\r\n", unchanged, observer, folder_);
    EXPECT_EQ(observer.totalBytes, 8u);
    EXPECT_GE(observer.yields, 1) << "the user interface runs before the first line";
    EXPECT_EQ(observer.finishedCalls, 1);
    EXPECT_EQ(result.state, PassState::Done);
    EXPECT_EQ(result.linesRead, 2u);
}

TEST(PassInMemory, StopKeepsOnlyTheLinesHandled) {
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "line " + std::to_string(i) + "\r\n";
    RecordingObserver observer;
    observer.stopAtYield = 1; // Stop clicked while the first events are handled
    auto result = runPassInMemory(text, unchanged, observer);
    EXPECT_EQ(result.state, PassState::Stopped);
    EXPECT_EQ(result.linesRead, 1u) << "the line in hand is still handed over";
    EXPECT_EQ(result.text, "line 0");
}

TEST(PassInMemory, StopOnTheLastLineStillEndsAsDone) {
    RecordingObserver observer;
    observer.stopAtYield = 1;
    auto result = runPassInMemory("only", unchanged, observer);
    EXPECT_EQ(result.state, PassState::Done);
}

TEST(PassInMemory, AMillionLinesYieldFarLessThanOncePerLine) {
    std::string text;
    for (int i = 0; i < 1000000; ++i)
        text += "0123456789\r\n";
    RecordingObserver observer;
    auto result = runPassInMemory(text, unchanged, observer);
    EXPECT_EQ(result.linesRead, 1000000u);
    EXPECT_LT(observer.yields, 10000);
    EXPECT_EQ(result.text.size(), text.size() - 2);
}

TEST(PassInMemory, EmptyTextGivesEmptyResult) {
    RecordingObserver observer;
    auto result = runPassInMemory("", unchanged, observer);
    EXPECT_EQ(result.text, "");
    EXPECT_EQ(result.linesRead, 0u);
}

} // namespace
} // namespace fieldizer

namespace fieldizer {
namespace {

class CollectingOutput final : public PassOutput {
  public:
    void write(std::string_view bytes) override {
        collected.append(bytes);
        ++pieces;
    }
    std::string collected;
    int pieces = 0;
};

// Streaming the output in pieces must give exactly the text the pass returns,
// whether the last line is kept or dropped, however large the output.
TEST_F(ProcessingPassTest, StreamedOutputEqualsTheReturnedText) {
    const LineOperation dropShort = [](std::string_view line, std::string& out) {
        if (line.size() < 3)
            return false;
        out += line;
        return true;
    };
    std::string big;
    for (int i = 0; i < 300000; ++i)
        big += "line " + std::to_string(i) + (i % 7 ? "\r\n" : "\r\nx\r\n");
    for (const std::string& text : {std::string("abc\r\nx"), std::string("x\r\nabc\r\n"),
                                    std::string("\r\n"), big, big + "ab"}) {
        const fs::path file = folder_ / "input.txt";
        std::ofstream(file, std::ios::binary) << text;
        RecordingObserver observer;
        CollectingOutput output;
        auto streamed = runPassOverFile(file, dropShort, observer, output);
        EXPECT_TRUE(streamed.text.empty());
        RecordingObserver again;
        EXPECT_EQ(output.collected, runPassInMemory(text, dropShort, again).text);
    }
}

} // namespace
} // namespace fieldizer
