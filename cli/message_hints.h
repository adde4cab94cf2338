#pragma once
// The layers' messages speak of the windows ("select the Fieldize Text
// tab"). The command line prints each message as it stands and, on the next
// line, what to do here instead: the key or option and its allowed values.

#include "text_engine/runtime_error.h"
#include "text_engine/user_dialogs.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace fieldizer::cli {

// Identifiers of the command line's own situations that get a hint.
namespace cliMessageIds {
inline constexpr MessageId programDatabaseMissing{"cli.programDatabaseMissing"};
inline constexpr MessageId targetMissing{"cli.targetMissing"};
inline constexpr MessageId parameterMissing{"cli.parameterMissing"};
} // namespace cliMessageIds

// The hint for a message, or nothing when its text is plain enough.
// "{path}" in a hint stands for the file it speaks of.
std::optional<std::string_view> commandLineHint(MessageId id);

// Prints a message of the layers (text in the program's character set,
// printed as UTF-8) followed by its hint, to `out`.
void printMessage(std::ostream& out, MessageId id, std::string_view text);

// A run-time error of the layers with the situation it arose in; main
// prints the error report's text and then the hint, with `path` put in.
class HintedError : public RuntimeError {
  public:
    HintedError(const RuntimeError& error, MessageId situation, std::string path = {})
        : RuntimeError(error), situation_(situation), path_(std::move(path)) {}
    // The hint line, or nothing.
    std::optional<std::string> hint() const;

  private:
    MessageId situation_;
    std::string path_;
};

} // namespace fieldizer::cli
