#pragma once
// The subcommands of fieldizer-cli. Each takes the arguments after its name,
// writes results to standard output and messages to standard error, and
// returns the process exit status: 0 success, 1 run-time error, 2 usage error,
// empty required field or unanswered question.

#include <span>
#include <string>
#include <string_view>

namespace fieldizer::cli {

using Args = std::span<const std::string>;

inline constexpr int exitOk = 0;
inline constexpr int exitRuntimeError = 1;
inline constexpr int exitUsage = 2;

// move, add, replace, delete, format, join-lines, create-line, break-lines
bool isTextOperation(std::string_view name);
int runTextOperation(std::string_view name, Args args);

int runCreateDatabase(Args args);
int runSql(Args args);

int runFieldize(Args args);
int runSave(Args args);
int runSettings(Args args);
// columns guess | import FILE | export
int runColumns(Args args);

void printHelp();

} // namespace fieldizer::cli
