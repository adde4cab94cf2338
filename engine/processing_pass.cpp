#include "engine/processing_pass.h"

#include "engine/file_errors.h"
#include "engine/file_line_reader.h"
#include "engine/text_lines.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <memory>

namespace fieldizer {
namespace {

// Decides when the pass lets the user interface run. Reading the clock on
// every line would cost more than many operations, so it is read only every
// few lines or kilobytes.
class YieldSchedule {
  public:
    explicit YieldSchedule(std::chrono::milliseconds interval) : interval_(interval) {}

    bool due(std::size_t lineBytes) {
        bytesSinceCheck_ += lineBytes;
        if (first_) {
            first_ = false;
            last_ = Clock::now();
            return true;
        }
        if (++linesSinceCheck_ < 128 && bytesSinceCheck_ < 64 * 1024)
            return false;
        linesSinceCheck_ = 0;
        bytesSinceCheck_ = 0;
        const auto now = Clock::now();
        if (now - last_ < interval_)
            return false;
        last_ = now;
        return true;
    }

  private:
    using Clock = std::chrono::steady_clock;
    std::chrono::milliseconds interval_;
    Clock::time_point last_{};
    bool first_ = true;
    unsigned linesSinceCheck_ = 0;
    std::size_t bytesSinceCheck_ = 0;
};

template <class Source>
PassResult runLoop(Source& source, std::uint64_t totalBytes, const LineOperation& operation,
                   PassObserver& observer) {
    PassResult result{{}, PassState::Reading, 0};
    result.text.reserve(totalBytes);
    observer.started(totalBytes);
    YieldSchedule schedule(observer.yieldInterval());
    std::size_t lastLineBytes = 0;
    while (result.state == PassState::Reading && !source.atEnd()) {
        if (schedule.due(lastLineBytes))
            observer.yield(source.position());
        const std::string_view line = source.next();
        lastLineBytes = line.size();
        ++result.linesRead;
        if (operation(line, result.text))
            result.text += crlf;
        if (source.atEnd())
            result.state = PassState::Done;
        else if (observer.stopRequested())
            result.state = PassState::Stopped;
    }
    if (result.state == PassState::Reading) // an empty source
        result.state = PassState::Done;
    if (!result.text.empty())
        result.text.resize(result.text.size() - crlf.size());
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

PassResult runPassInMemory(std::string_view text, const LineOperation& operation,
                           PassObserver& observer) {
    LineCursor cursor(text);
    return runLoop(cursor, text.size(), operation, observer);
}

PassResult runProcessingPass(std::string_view text, const LineOperation& operation,
                             PassObserver& observer, const std::filesystem::path& folder) {
    const std::filesystem::path temp = folder / tempFileName;
    std::error_code ignored;
    std::filesystem::remove(temp, ignored); // a failed earlier pass may have left it
    writeWholeFile(temp, text);
    try {
        PassResult result = runPassOverFile(temp, operation, observer);
        std::filesystem::remove(temp, ignored);
        return result;
    } catch (...) {
        std::filesystem::remove(temp, ignored);
        throw;
    }
}

} // namespace fieldizer
