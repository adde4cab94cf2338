#pragma once
// --lf: text whose lines end with LF, as most text on this platform does. The
// program's lines end at CR LF or a lone CR and a lone LF is an ordinary
// character, so such a text would be one line. --lf is the same as turning
// every lone LF of the input into CR LF before the pass and every CR LF of the
// result into LF after it; the breaks an operation makes come out as LF too.

#include "text_engine/processing_pass.h"

#include <ostream>
#include <string>
#include <string_view>

namespace fieldizer::cli {

// A text that holds an LF and no CR at all was most likely written with LF
// line ends and is read without --lf as one line. Without --lf, says so in
// one line on `out`, with the way to ask for --lf; the run goes on as asked.
void warnOfLfText(std::string_view text, bool lfGiven, std::ostream& out);

// The text with every LF that no CR precedes turned into CR LF.
std::string lfToCrLf(std::string_view text);

// The processing pass of `operation` over `text` with --lf, handing the
// result to `output` in pieces: the same result, byte for byte, as the plain
// pass over lfToCrLf(text) with every CR LF of its result turned into LF, but
// in one reading of the text, without a converted copy. A line ends at CR LF,
// a lone CR or a lone LF; the result's breaks are LF.
void runLfPass(std::string_view text, const LineOperation& operation, PassOutput& output);

// Hands on everything written to it with every CR LF turned into LF, also
// where a CR ends one piece and the LF begins the next. finish() hands on a
// CR still held back at the very end.
class LfOutput final : public PassOutput {
  public:
    explicit LfOutput(PassOutput& next) : next_(next) {}
    void write(std::string_view bytes) override;
    void finish();

  private:
    PassOutput& next_;
    std::string converted_;
    bool heldCr_ = false;
};

} // namespace fieldizer::cli
