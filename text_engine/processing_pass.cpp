#include "text_engine/processing_pass.h"

#include "text_engine/file_errors.h"
#include "text_engine/file_line_reader.h"
#include "text_engine/progress_pacer.h"
#include "text_engine/text_lines.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <mutex>
#include <random>
#include <string>

namespace fieldizer {
namespace {

constexpr std::size_t outputChunk = std::size_t{1} << 20;

// Hands all output built so far to `sink`, except the CR LF that ends it: that
// one is removed if no further line follows.
void flushOutput(std::string& text, PassOutput& sink) {
    const std::size_t keep = text.size() >= crlf.size() ? crlf.size() : 0;
    sink.write(std::string_view(text).substr(0, text.size() - keep));
    text.erase(0, text.size() - keep);
}

template <class Source>
PassResult runLoop(Source& source, std::uint64_t totalBytes, const LineOperation& operation,
                   PassObserver& observer, PassOutput* sink = nullptr) {
    PassResult result{{}, PassState::Reading, 0};
    result.text.reserve(sink ? 2 * outputChunk : totalBytes);
    observer.started(totalBytes);
    ProgressPacer pacer(observer);
    while (result.state == PassState::Reading && !source.atEnd()) {
        pacer.beforeStep(source.position());
        const std::string_view line = source.next();
        ++result.linesRead;
        if (operation(line, result.text))
            result.text += crlf;
        if (sink && result.text.size() >= outputChunk)
            flushOutput(result.text, *sink);
        if (source.atEnd())
            result.state = PassState::Done;
        else if (observer.stopRequested())
            result.state = PassState::Stopped;
    }
    if (result.state == PassState::Reading) // an empty source
        result.state = PassState::Done;
    if (!result.text.empty())
        result.text.resize(result.text.size() - crlf.size());
    if (sink) {
        sink->write(result.text);
        result.text.clear();
    }
    observer.finished();
    return result;
}

// Creates a file of this pass's own in `folder`, named "fieldize-" and a
// random suffix: two windows (or programs) in one folder each write and read
// back their own text, and neither removes the other's file. "x" refuses a
// name that exists, so a name drawn twice is drawn again.
std::filesystem::path createOwnTempFile(const std::filesystem::path& folder, std::FILE*& file) {
    static std::mt19937_64 generator{std::random_device{}()};
    static std::mutex generatorLock;
    for (int attempt = 0;; ++attempt) {
        char suffix[17];
        {
            const std::lock_guard<std::mutex> lock(generatorLock);
            std::snprintf(suffix, sizeof suffix, "%016llx",
                          static_cast<unsigned long long>(generator()));
        }
        std::filesystem::path path =
            folder / (std::string(tempFilePrefix) + suffix + std::string(tempFileExtension));
        file = std::fopen(path.c_str(), "wbx");
        if (file != nullptr)
            return path;
        if (errno != EEXIST || attempt == 100)
            throw fileError(errno, path);
    }
}

// Writes `text` to a new temporary file in `folder` and returns its path.
std::filesystem::path writeTempFile(const std::filesystem::path& folder, std::string_view text) {
    std::FILE* opened = nullptr;
    const std::filesystem::path path = createOwnTempFile(folder, opened);
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file(opened);
    std::error_code ignored;
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file.get()) != text.size()) {
        const int error = errno;
        file.reset();
        std::filesystem::remove(path, ignored);
        throw fileError(error, path);
    }
    if (std::fclose(file.release()) != 0) {
        const int error = errno;
        std::filesystem::remove(path, ignored);
        throw fileError(error, path);
    }
    return path;
}

} // namespace

PassResult runPassOverFile(const std::filesystem::path& file, const LineOperation& operation,
                           PassObserver& observer) {
    FileLineReader reader(file);
    return runLoop(reader, reader.size(), operation, observer);
}

PassResult runPassOverFile(const std::filesystem::path& file, const LineOperation& operation,
                           PassObserver& observer, PassOutput& output) {
    FileLineReader reader(file);
    return runLoop(reader, reader.size(), operation, observer, &output);
}

PassResult runPassInMemory(std::string_view text, const LineOperation& operation,
                           PassObserver& observer) {
    LineCursor cursor(text);
    return runLoop(cursor, text.size(), operation, observer);
}

PassResult runPassInMemory(std::string_view text, const LineOperation& operation,
                           PassObserver& observer, PassOutput& output) {
    LineCursor cursor(text);
    return runLoop(cursor, text.size(), operation, observer, &output);
}

namespace {

// Writes the text to a temporary file of its own in `folder`, runs `pass`
// over that file and deletes it again, whatever the pass's outcome.
template <class Pass>
PassResult throughTempFile(std::string_view text, const std::filesystem::path& folder, Pass pass) {
    const std::filesystem::path temp = writeTempFile(folder, text);
    std::error_code ignored;
    try {
        PassResult result = pass(temp);
        std::filesystem::remove(temp, ignored);
        return result;
    } catch (...) {
        std::filesystem::remove(temp, ignored);
        throw;
    }
}

} // namespace

PassResult runProcessingPass(std::string_view text, const LineOperation& operation,
                             PassObserver& observer, const std::filesystem::path& folder) {
    return throughTempFile(text, folder, [&](const std::filesystem::path& temp) {
        return runPassOverFile(temp, operation, observer);
    });
}

PassResult runProcessingPass(std::string_view text, const LineOperation& operation,
                             PassObserver& observer, PassOutput& output,
                             const std::filesystem::path& folder) {
    return throughTempFile(text, folder, [&](const std::filesystem::path& temp) {
        return runPassOverFile(temp, operation, observer, output);
    });
}

} // namespace fieldizer
