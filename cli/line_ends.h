#pragma once
// --lf: text whose lines end with LF, as most text on this platform does. The
// program's lines end at CR LF or a lone CR and a lone LF is an ordinary
// character, so such a text would be one line. --lf is the same as turning
// every lone LF of the input into CR LF before the pass and every CR LF of the
// result into LF after it; the breaks an operation makes come out as LF too.

#include "engine/processing_pass.h"

#include <string>
#include <string_view>

namespace fieldizer::cli {

// The text with every LF that no CR precedes turned into CR LF.
std::string lfToCrLf(std::string_view text);

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
