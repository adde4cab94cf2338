#pragma once
// The conversion report, and the other messages of a conversion run in a
// child process, as bytes through a pipe: a tag, a length, the payload.

#include "workbench/access/conversion_report.h"

#include <optional>
#include <string>
#include <string_view>

namespace fieldizer::access::wire {

// OutOfMemory: the work ran out of the memory the child may use.
enum class Tag : char { Total = 'T', Progress = 'P', Report = 'R', Error = 'E', OutOfMemory = 'M' };

std::string message(Tag tag, std::string_view payload);
// Takes the first whole message off the front of `buffer`; nothing while
// it is incomplete.
std::optional<std::pair<Tag, std::string>> takeMessage(std::string& buffer);

std::string encode(const ConversionReport& report);
// A malformed payload (never from our own child) throws std::runtime_error.
ConversionReport decode(std::string_view payload);

} // namespace fieldizer::access::wire
