#include "shell/editing/line_ends.h"

namespace fieldizer {

bool hasLoneLf(std::string_view text) {
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1)) {
        if (at == 0 || text[at - 1] != '\r')
            return true;
    }
    return false;
}

std::string convertLoneLfToCrLf(std::string_view text) {
    std::string converted;
    converted.reserve(text.size() + text.size() / 32);
    std::size_t from = 0;
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1)) {
        converted.append(text.substr(from, at - from));
        if (at == 0 || text[at - 1] != '\r')
            converted += '\r';
        converted += '\n';
        from = at + 1;
    }
    converted.append(text.substr(from));
    return converted;
}

} // namespace fieldizer
