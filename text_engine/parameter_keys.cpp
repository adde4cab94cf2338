#include "text_engine/parameter_keys.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace fieldizer {
namespace {

using K = KeyKind;
using T = KeyTab;

constexpr std::array<ParameterKey, 57> keys{{
    {"startLineAfter", K::Text, T::TextLines, "", false, true},
    {"textToMove", K::Text, T::Move, "", false, false},
    {"moveSpecificText", K::Text, T::Move, "", false, false},
    {"moveFromCol", K::Number, T::Move, "1", false, true},
    {"moveNumOfChars", K::Number, T::Move, "1", false, true},
    {"moveToCol", K::Number, T::Move, "1", false, true},
    {"moveEndOfLine", K::Flag, T::Move, "0", false, false},
    {"moveOptions", K::Text, T::Move, "Omit spaces", false, false},
    {"moveSpaces", K::Number, T::Move, "1", false, true},
    {"movePlaceSpaces", K::Text, T::Move, "Both sides", false, false},
    {"moveAfterProcess", K::Flag, T::Move, "1", true, false},
    {"moveAfterProcessShow", K::Flag, T::Move, "0", true, false},
    {"addText", K::Text, T::Add, "", false, false},
    {"addIfContains", K::Text, T::Add, "", false, false},
    {"addAtCol", K::Number, T::Add, "1", false, true},
    {"addEndOfLine", K::Flag, T::Add, "0", false, false},
    {"addOptions", K::Text, T::Add, "Omit spaces", false, false},
    {"addSpaces", K::Number, T::Add, "1", false, true},
    {"addPlaceSpaces", K::Text, T::Add, "Both sides", false, false},
    {"addAfterProcess", K::Flag, T::Add, "1", true, false},
    {"addAfterProcessShow", K::Flag, T::Add, "0", true, false},
    {"replaceText", K::Text, T::Replace, "", false, false},
    {"replaceSpecificText", K::Text, T::Replace, "", false, false},
    {"replaceAtCol", K::Number, T::Replace, "1", false, true},
    {"replaceNumOfChars", K::Number, T::Replace, "1", false, true},
    {"replaceWith", K::Text, T::Replace, "", false, false},
    {"replaceEndOfLine", K::Flag, T::Replace, "0", false, false},
    {"replaceAfterProcess", K::Flag, T::Replace, "1", true, false},
    {"replaceAfterProcessShow", K::Flag, T::Replace, "0", true, false},
    {"deleteText", K::Text, T::Delete, "", false, false},
    {"deleteSpecificText", K::Text, T::Delete, "", false, false},
    {"deleteFromCol", K::Number, T::Delete, "1", false, true},
    {"deleteNumOfChars", K::Number, T::Delete, "1", false, true},
    {"deleteEndOfLine", K::Flag, T::Delete, "0", false, false},
    {"deleteOptions", K::Text, T::Delete, "Omit spaces", false, false},
    {"deleteSpaces", K::Number, T::Delete, "1", false, true},
    {"deleteAfterProcess", K::Flag, T::Delete, "1", true, false},
    {"deleteAfterProcessShow", K::Flag, T::Delete, "0", true, false},
    {"formatCreate", K::Text, T::Format, "New line", false, false},
    {"formatDelimiter", K::Text, T::Format, "", false, false},
    {"formatLineStart", K::Text, T::Format, "No", false, false},
    {"formatSpacesBetweenCols", K::Number, T::Format, "1", false, true},
    {"formatAddText", K::Text, T::Format, "Omit text", false, false},
    {"formatTextToAdd", K::Text, T::Format, "", false, false},
    {"formatAddFromCol", K::Number, T::Format, "1", false, true},
    {"formatNumOfChars", K::Number, T::Format, "1", false, true},
    {"formatFirstSection", K::Text, T::Format, "Yes", false, false},
    {"formatOptions", K::Text, T::Format, "Omit spaces", false, false},
    {"formatPlaceSpaces", K::Text, T::Format, "Both sides", false, false},
    {"formatSpaces", K::Number, T::Format, "1", false, true},
    {"formatAfterProcess", K::Flag, T::Format, "1", true, false},
    {"formatAfterProcessShow", K::Flag, T::Format, "0", true, false},
    {"fieldizeStartLineAt", K::Number, T::Fieldize, "1", false, true},
    {"fieldizeAfterProcess", K::Flag, T::Fieldize, "1", true, false},
    {"fieldizeAfterProcessShow", K::Flag, T::Fieldize, "0", true, false},
    {"databaseProcessMethod", K::Text, T::Database, "", false, false},
    {"databaseDelimiter", K::Text, T::Database, "", false, false},
}};

} // namespace

std::span<const ParameterKey> parameterKeys() {
    return keys;
}

const ParameterKey* findParameterKey(std::string_view name) {
    auto it = std::find_if(keys.begin(), keys.end(),
                           [name](const ParameterKey& key) { return key.name == name; });
    return it == keys.end() ? nullptr : &*it;
}

const ParameterKey& parameterKey(std::string_view name) {
    if (const ParameterKey* key = findParameterKey(name))
        return *key;
    throw std::invalid_argument("no parameter key " + std::string(name));
}

ParameterValues defaultParameterValues() {
    ParameterValues values;
    for (const auto& key : keys)
        values.emplace(key.name, key.defaultValue);
    return values;
}

const std::string& textValue(const ParameterValues& values, std::string_view key) {
    static const std::string empty;
    if (auto it = values.find(key); it != values.end())
        return it->second;
    // A key missing from the values reads as its default; the defaults are
    // kept as strings here so that references stay valid.
    static const ParameterValues defaults = defaultParameterValues();
    auto it = defaults.find(key);
    return it == defaults.end() ? empty : it->second;
}

int numberValue(const ParameterValues& values, std::string_view key) {
    // A number box holds at most three digits; longer texts (from a stored
    // record or a script) are read no further than that, so nothing overflows.
    int number = 0;
    const std::string& text = textValue(values, key);
    for (std::size_t i = 0; i < text.size() && i < 3; ++i) {
        if (text[i] < '0' || text[i] > '9')
            break;
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

bool flagValue(const ParameterValues& values, std::string_view key) {
    return textValue(values, key) == "1";
}

bool isNumberBoxText(std::string_view text) {
    return text.size() <= 3 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace fieldizer
