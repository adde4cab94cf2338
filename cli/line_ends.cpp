#include "cli/line_ends.h"

#include <cstring>

namespace fieldizer::cli {

std::string lfToCrLf(std::string_view text) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 16);
    std::size_t start = 0;
    while (start < text.size()) {
        const void* found = std::memchr(text.data() + start, '\n', text.size() - start);
        if (found == nullptr)
            break;
        const auto lf = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
        converted.append(text, start, lf - start);
        if (lf == 0 || text[lf - 1] != '\r')
            converted += '\r';
        converted += '\n';
        start = lf + 1;
    }
    converted.append(text, start);
    return converted;
}

void LfOutput::write(std::string_view bytes) {
    converted_.clear();
    std::size_t start = 0;
    if (heldCr_ && !bytes.empty()) {
        heldCr_ = false;
        if (bytes.front() != '\n')
            converted_ += '\r';
    }
    while (start < bytes.size()) {
        const void* found = std::memchr(bytes.data() + start, '\r', bytes.size() - start);
        if (found == nullptr)
            break;
        const auto cr = static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
        converted_.append(bytes, start, cr - start);
        if (cr + 1 == bytes.size()) { // the LF may begin the next piece
            heldCr_ = true;
            start = bytes.size();
            break;
        }
        if (bytes[cr + 1] != '\n')
            converted_ += '\r';
        start = cr + 1;
    }
    converted_.append(bytes, start);
    next_.write(converted_);
}

void LfOutput::finish() {
    if (heldCr_)
        next_.write("\r");
    heldCr_ = false;
}

} // namespace fieldizer::cli
