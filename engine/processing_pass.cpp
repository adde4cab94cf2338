#include "engine/processing_pass.h"

#include "engine/file_errors.h"
#include "engine/file_line_reader.h"
#include "engine/progress_pacer.h"
#include "engine/text_lines.h"

#include <cerrno>
#include <cstdio>
#include <memory>

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

void writeWholeFile(const std::filesystem::path& path, std::string_view text) {
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw fileError(errno, path);
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file.get()) != text.size())
        throw fileError(errno, path);
    if (std::fclose(file.release()) != 0)
        throw fileError(errno, path);
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

// Writes the text to "fieldize.tmp" in `folder`, runs `pass` over that file
// and deletes it again, whatever the pass's outcome.
template <class Pass>
PassResult throughTempFile(std::string_view text, const std::filesystem::path& folder, Pass pass) {
    const std::filesystem::path temp = folder / tempFileName;
    std::error_code ignored;
    std::filesystem::remove(temp, ignored); // a failed earlier pass may have left it
    writeWholeFile(temp, text);
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
