#pragma once
// The processing pass that every batch operation of the Manipulator shares:
// the text goes to a temporary file, is read back line by line, every line is
// handed to the operation, and the results are joined with CR LF.

#include "text_engine/runtime_error.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace fieldizer {

// A line operation: appends the result for `line` to `out` and returns true,
// or returns false to drop the line. A result may hold CR LF of its own.
// Throws RuntimeError for an invalid argument (error 5). It is called once
// per line, in order.
using LineOperation = std::function<bool(std::string_view line, std::string& out)>;

// Reading while lines remain, Done once the end is reached, Stopped when
// Stop ended the pass early; the pass reads on only while Reading.
enum class PassState { Stopped, Reading, Done };

// What a window implements to keep its progress bar and Stop button live.
// The pass calls yield() before the first line and then whenever about
// `yieldInterval` of time has passed, never once per line, so a million-line
// pass spends almost nothing on the event loop. Stop is asked after every
// line and is cheap: the window sets a flag from its Stop click.
class PassObserver {
  public:
    virtual ~PassObserver() = default;
    // The pass starts: progress runs from 1 to `totalBytes`.
    virtual void started(std::uint64_t totalBytes) { (void)totalBytes; }
    // How much time may pass between two yields.
    virtual std::chrono::milliseconds yieldInterval() const {
        return std::chrono::milliseconds(40);
    }
    // Let the user interface handle pending events; `bytesRead` is the
    // progress so far.
    virtual void yield(std::uint64_t bytesRead) { (void)bytesRead; }
    virtual bool stopRequested() const { return false; }
    virtual void finished() {}
};

struct PassResult {
    std::string text;        // the joined output, the last CR LF removed
    PassState state;         // Done, or Stopped when Stop ended it early
    std::uint64_t linesRead; // lines handed to the operation
};

// A pass's temporary file is "fieldize-", sixteen hexadecimal digits drawn
// at random, and ".tmp": each pass has a file of its own, so that two windows
// or programs working in one folder never read or delete each other's text.
inline constexpr std::string_view tempFilePrefix = "fieldize-";
inline constexpr std::string_view tempFileExtension = ".tmp";

// The pass over a text through a temporary file of its own in `folder` (the
// current directory for the windows). The temp file is deleted when the pass
// ends, by success or failure. Any file error or operation error is thrown
// as RuntimeError; the caller's text is untouched, so it keeps its former
// content.
PassResult runProcessingPass(std::string_view text, const LineOperation& operation,
                             PassObserver& observer, const std::filesystem::path& folder = ".");

// The same pass reading a file directly, in chunks, without the temp file:
// the command line's --in, and the second half of runProcessingPass.
PassResult runPassOverFile(const std::filesystem::path& file, const LineOperation& operation,
                           PassObserver& observer);

// Receives a pass's output in pieces as it is built, so that a large result
// need not be held in memory.
class PassOutput {
  public:
    virtual ~PassOutput() = default;
    virtual void write(std::string_view bytes) = 0;
};

// The same, handing the output to `output` in pieces instead of returning
// it: the joined result is the concatenation of the pieces, and the
// returned text stays empty. On an error some pieces may have been written.
PassResult runPassOverFile(const std::filesystem::path& file, const LineOperation& operation,
                           PassObserver& observer, PassOutput& output);

// The same pass over a text already in memory (standard input, a mapped
// file), returning the result or handing it to `output` in pieces.
PassResult runPassInMemory(std::string_view text, const LineOperation& operation,
                           PassObserver& observer);
PassResult runPassInMemory(std::string_view text, const LineOperation& operation,
                           PassObserver& observer, PassOutput& output);

// The pass through its temporary file handing its output to `output` in pieces,
// as runPassOverFile does: a window builds its new text from them without
// holding the whole result twice.
PassResult runProcessingPass(std::string_view text, const LineOperation& operation,
                             PassObserver& observer, PassOutput& output,
                             const std::filesystem::path& folder = ".");

} // namespace fieldizer
