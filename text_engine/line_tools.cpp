#include "text_engine/line_tools.h"

#include "text_engine/progress_pacer.h"
#include "text_engine/text_lines.h"

#include <algorithm>
#include <cstring>

namespace fieldizer {
namespace {

constexpr int cr = '\r';
constexpr int lf = '\n';
constexpr int none = -1; // a position outside the text

// Ordinary characters are copied in runs of at most this many, so that Stop
// and the progress stay live on a text without line breaks.
constexpr std::size_t longestRun = std::size_t{1} << 20;

// The text by 1-based position; positions outside it hold no character.
class Positions {
  public:
    explicit Positions(std::string_view text) : text_(text) {}
    std::size_t size() const noexcept { return text_.size(); }
    int at(std::size_t i) const noexcept {
        return i >= 1 && i <= text_.size() ? static_cast<unsigned char>(text_[i - 1]) : none;
    }
    // The length of the run of characters other than CR and LF from `i`.
    // Searched block by block: a text with only one kind of line break would
    // otherwise have the other kind searched for up to `longestRun` bytes
    // ahead of every line.
    std::size_t ordinaryRun(std::size_t i, std::size_t limit) const {
        const char* start = text_.data() + (i - 1);
        const std::size_t length = std::min({text_.size() - (i - 1), limit, longestRun});
        constexpr std::size_t block = 4096;
        for (std::size_t done = 0; done < length; done += block) {
            const std::size_t span = std::min(block, length - done);
            const char* from = start + done;
            const void* foundCr = std::memchr(from, '\r', span);
            const std::size_t upTo =
                foundCr != nullptr
                    ? static_cast<std::size_t>(static_cast<const char*>(foundCr) - from)
                    : span;
            if (const void* foundLf = std::memchr(from, '\n', upTo))
                return done + static_cast<std::size_t>(static_cast<const char*>(foundLf) - from);
            if (foundCr != nullptr)
                return done + upTo;
        }
        return length;
    }
    std::string_view piece(std::size_t i, std::size_t length) const {
        return text_.substr(i - 1, length);
    }

  private:
    std::string_view text_;
};

// Starts and ends the observer's view of a tool and paces its yields.
class ToolProgress {
  public:
    ToolProgress(PassObserver& observer, std::size_t total)
        : observer_(observer), pacer_(observer, 16384), total_(total) {
        observer_.started(total);
    }
    void finish() { observer_.finished(); }

    // Called before the step at position i.
    void beforeStep(std::size_t i) {
        pacer_.beforeStep(std::min(std::max<std::size_t>(i, 1), total_));
    }
    bool stopRequested() const { return observer_.stopRequested(); }

  private:
    PassObserver& observer_;
    ProgressPacer pacer_;
    std::size_t total_;
};

// Where a tool's output goes: built in memory, or handed on in pieces to a
// PassOutput so that a large result need not be held whole.
class ToolOutput {
  public:
    ToolOutput(std::string& text, PassOutput* sink) : text_(text), sink_(sink) {}

    void append(std::string_view bytes) {
        text_.append(bytes);
        flushIfLarge();
    }
    void push_back(char c) { text_.push_back(c); }
    // Nothing has been output yet.
    bool empty() const { return text_.empty() && !handedOn_; }
    void finish() {
        if (sink_ != nullptr && !text_.empty()) {
            sink_->write(text_);
            text_.clear();
        }
    }

  private:
    void flushIfLarge() {
        if (sink_ == nullptr || text_.size() < (std::size_t{1} << 20))
            return;
        sink_->write(text_);
        text_.clear();
        handedOn_ = true;
    }

    std::string& text_;
    PassOutput* sink_;
    bool handedOn_ = false;
};

enum class Piece { Empty, Break, Character };

// The piece Join Lines makes of the line-break character at i.
Piece joinPiece(const Positions& t, std::size_t i) {
    const int c = t.at(i);
    if (c == cr)
        return t.at(i + 2) == cr ? Piece::Break : Piece::Empty;
    return t.at(i + 1) == cr || t.at(i + 2) == lf ? Piece::Break : Piece::Empty;
}

// Appending a piece, as Join Lines and Create Line both do it: after a CR a
// space is dropped when position i + 3 holds a space too; elsewhere an empty
// piece at the very start of the output becomes a line break.
void appendPiece(const Positions& t, std::size_t i, Piece piece, ToolOutput& out) {
    if (t.at(i - 1) == cr) {
        if (piece == Piece::Character && t.at(i) == ' ' && t.at(i + 3) == ' ')
            return;
    } else if (piece == Piece::Empty && out.empty()) {
        piece = Piece::Break;
    }
    if (piece == Piece::Break)
        out.append(crlf);
    else if (piece == Piece::Character)
        out.push_back(static_cast<char>(t.at(i)));
}

// The frame every line tool shares: the output, the progress, and Stop
// between steps. `step(t, i, out)` handles the text from position i on and
// moves i past what it handled.
template <class Step>
LineToolResult runTool(std::string_view text, std::size_t reserve, PassObserver& observer,
                       PassOutput* sink, Step step) {
    LineToolResult result;
    if (text.empty())
        return result;
    result.ran = true;
    if (sink == nullptr)
        result.text.reserve(reserve);
    ToolOutput out(result.text, sink);
    const Positions t(text);
    ToolProgress progress(observer, t.size());
    for (std::size_t i = 1; i <= t.size();) {
        progress.beforeStep(i);
        step(t, i, out);
        if (i <= t.size() && progress.stopRequested()) {
            result.state = PassState::Stopped;
            break;
        }
    }
    out.finish();
    progress.finish();
    return result;
}

// One step of Join Lines and Create Line: a run of ordinary characters copied
// whole, or the piece made of the character at i.
template <class BreakPiece>
void joinStep(const Positions& t, std::size_t& i, ToolOutput& out, BreakPiece breakPiece) {
    const int c = t.at(i);
    if (c != cr && c != lf && t.at(i - 1) != cr) {
        const std::size_t run = t.ordinaryRun(i, t.size());
        out.append(t.piece(i, run));
        i += run;
    } else {
        appendPiece(t, i, c == cr || c == lf ? breakPiece(t, i) : Piece::Character, out);
        ++i;
    }
}

template <class BreakPiece>
LineToolResult joinTool(std::string_view text, PassObserver& observer, PassOutput* sink,
                        BreakPiece breakPiece) {
    return runTool(text, text.size() + crlf.size(), observer, sink,
                   [&](const Positions& t, std::size_t& i, ToolOutput& out) {
                       joinStep(t, i, out, breakPiece);
                   });
}

// One cycle of Break into lines: examines up to `lineLength` positions from
// i, appending the output line to `out`; `examinedTotal` is the count of
// positions examined so far, whose character decides a space after an LF.
void breakCycle(const Positions& t, std::size_t lineLength, std::size_t& i,
                std::size_t& examinedTotal, ToolOutput& out) {
    const std::size_t length = t.size();
    for (std::size_t examined = 0; examined < lineLength && i <= length;) {
        const int c = t.at(i);
        if (c != cr && c != lf) {
            const std::size_t run = t.ordinaryRun(i, lineLength - examined);
            out.append(t.piece(i, run));
            i += run;
            examined += run;
            examinedTotal += run;
            continue;
        }
        ++examined;
        ++examinedTotal;
        if (c == cr) {
            if (t.at(i + 2) == cr) {
                i += 2;
                return;
            }
            if (i + 1 < length) {
                if (t.at(i + 1) == lf) {
                    i += 1;
                    return;
                }
                out.push_back(' ');
            }
        } else {
            if (t.at(i + 1) == cr || t.at(i + 2) == lf) {
                i += 3;
                return;
            }
            if (t.at(examinedTotal) != ' ' && i + 1 < length)
                out.push_back(' ');
        }
        ++i;
    }
}

} // namespace

LineToolResult joinParagraphLines(std::string_view text, PassObserver& observer,
                                  PassOutput* output) {
    return joinTool(text, observer, output, joinPiece);
}

LineToolResult createLine(std::string_view text, PassObserver& observer, PassOutput* output) {
    return joinTool(text, observer, output,
                    [](const Positions&, std::size_t) { return Piece::Empty; });
}

LineToolResult breakIntoLines(std::string_view text, int lineLength, PassObserver& observer,
                              PassOutput* output) {
    if (lineLength <= 0)
        return LineToolResult{};
    const auto length = static_cast<std::size_t>(lineLength);
    // Room for a line break after every line and after most existing breaks.
    const std::size_t reserve = text.size() + text.size() / length * 2 + text.size() / 16;
    std::size_t examined = 0;
    return runTool(text, reserve, observer, output,
                   [&](const Positions& t, std::size_t& i, ToolOutput& out) {
                       breakCycle(t, length, i, examined, out);
                       if (i - 1 < t.size())
                           out.append(crlf);
                   });
}

} // namespace fieldizer
