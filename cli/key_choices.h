#pragma once
// The list items of the keys whose window control is a drop-down list, so
// that --help can say which values a key takes.

#include <span>
#include <string_view>

namespace fieldizer::cli {

struct KeyChoices {
    std::span<const std::string_view> items;
    bool alsoAnyText; // the list only offers modes; any other text is the text to work on
};

// The items of `key`, or empty items for a key without a list.
KeyChoices keyChoices(std::string_view key);

} // namespace fieldizer::cli
