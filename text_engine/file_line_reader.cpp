#include "text_engine/file_line_reader.h"

#include "text_engine/file_errors.h"

#include <cerrno>
#include <cstring>

namespace fieldizer {

FileLineReader::FileLineReader(const std::filesystem::path& path, std::size_t chunkSize)
    : file_(std::fopen(path.c_str(), "rb")), path_(path), chunkSize_(chunkSize) {
    if (!file_)
        throw fileError(errno, path);
    std::error_code error;
    size_ = std::filesystem::file_size(path, error);
    if (error)
        throw fileError(error.value(), path);
}

bool FileLineReader::atEnd() {
    if (start_ < buffer_.size())
        return false;
    if (!endOfFile_)
        refill();
    return start_ >= buffer_.size();
}

void FileLineReader::refill() {
    // Keep the unread tail (a line not yet complete) and append the next chunk.
    buffer_.erase(0, start_);
    start_ = 0;
    const std::size_t kept = buffer_.size();
    buffer_.resize(kept + chunkSize_);
    const std::size_t got = std::fread(buffer_.data() + kept, 1, chunkSize_, file_.get());
    buffer_.resize(kept + got);
    if (got < chunkSize_) {
        if (std::ferror(file_.get()))
            throw fileError(errno, path_);
        endOfFile_ = true;
    }
}

std::string_view FileLineReader::next() {
    for (;;) {
        const char* start = buffer_.data() + start_;
        const std::size_t available = buffer_.size() - start_;
        const void* found = std::memchr(start + scanned_, '\r', available - scanned_);
        if (found != nullptr) {
            const auto* cr = static_cast<const char*>(found);
            const std::size_t length = static_cast<std::size_t>(cr - start);
            // A CR as the last byte read may still be followed by an LF.
            if (length + 1 < available || endOfFile_) {
                const bool followedByLf = length + 1 < available && cr[1] == '\n';
                const std::size_t used = length + (followedByLf ? 2 : 1);
                start_ += used;
                consumed_ += used;
                scanned_ = 0;
                return {start, length};
            }
            scanned_ = length;
        } else {
            scanned_ = available;
        }
        if (endOfFile_) {
            start_ = buffer_.size();
            consumed_ += available;
            scanned_ = 0;
            return {start, available};
        }
        refill();
    }
}

} // namespace fieldizer
