#include "cli/line_ends.h"

#include <algorithm>
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

namespace {

// Lines that end at CR LF, a lone CR or a lone LF. The next CR and the next
// LF are each looked for once and kept, so text with only one kind of break
// is scanned once for the other.
class LfLineCursor {
  public:
    explicit LfLineCursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return position_ >= text_.size(); }
    std::string_view next() {
        const std::size_t start = position_;
        const std::size_t cr = nextOf('\r', nextCr_);
        const std::size_t lf = nextOf('\n', nextLf_);
        const std::size_t end = std::min(cr, lf);
        position_ = end == text_.size() ? end : end + 1;
        if (end == cr && cr + 1 == lf)
            ++position_;
        return text_.substr(start, end - start);
    }

  private:
    std::size_t nextOf(char c, std::size_t& cached) const {
        if (cached < position_ || cached == notLookedFor) {
            const void* found = std::memchr(text_.data() + position_, c, text_.size() - position_);
            cached = found
                         ? static_cast<std::size_t>(static_cast<const char*>(found) - text_.data())
                         : text_.size();
        }
        return cached;
    }

    static constexpr std::size_t notLookedFor = static_cast<std::size_t>(-1);
    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t nextCr_ = notLookedFor;
    std::size_t nextLf_ = notLookedFor;
};

// Turns every CR LF of `text` from `from` on into LF, in place.
void crLfToLf(std::string& text, std::size_t from) {
    const void* found = std::memchr(text.data() + from, '\r', text.size() - from);
    if (found == nullptr)
        return;
    std::size_t to = static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
    for (std::size_t i = to; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            text[to++] = text[i];
    text.resize(to);
}

constexpr std::size_t outputChunk = std::size_t{1} << 20;

} // namespace

void runLfPass(std::string_view text, const LineOperation& operation, PassOutput& output) {
    std::string result;
    result.reserve(2 * outputChunk);
    LfLineCursor cursor(text);
    while (!cursor.atEnd()) {
        const std::size_t start = result.size();
        if (operation(cursor.next(), result)) {
            crLfToLf(result, start);
            result += '\n';
        }
        // The last LF stays behind: it goes if no further line follows.
        if (result.size() >= outputChunk) {
            output.write(std::string_view(result).substr(0, result.size() - 1));
            result.erase(0, result.size() - 1);
        }
    }
    if (!result.empty())
        result.pop_back();
    output.write(result);
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

void warnOfLfText(std::string_view text, bool lfGiven, std::ostream& out) {
    if (lfGiven || text.find('\n') == text.npos || text.find('\r') != text.npos)
        return;
    out << "fieldizer-cli: the input's lines end with LF alone, which is read as an ordinary "
           "character, not as a line end; add --lf to read LF line ends\n";
}

} // namespace fieldizer::cli
