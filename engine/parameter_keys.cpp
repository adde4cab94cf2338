#include "engine/parameter_keys.h"

#include <algorithm>
#include <array>

namespace fieldizer {
namespace {

using K = KeyKind;
using T = KeyTab;

constexpr std::array<ParameterKey, 57> keys{{
    {"startLineAfter", "MaskEdBox17", K::Text, T::TextLines, "", false},
    {"textToMove", "Combo1", K::Text, T::Move, "", false},
    {"moveSpecificText", "Text1", K::Text, T::Move, "", false},
    {"moveFromCol", "MaskEdBox1", K::Number, T::Move, "1", false},
    {"moveNumOfChars", "MaskEdBox3", K::Number, T::Move, "1", false},
    {"moveToCol", "MaskEdBox2", K::Number, T::Move, "1", false},
    {"moveEndOfLine", "Check1", K::Flag, T::Move, "0", false},
    {"moveOptions", "Combo2", K::Text, T::Move, "Omit spaces", false},
    {"moveSpaces", "MaskEdBox5", K::Number, T::Move, "1", false},
    {"movePlaceSpaces", "Combo3", K::Text, T::Move, "Both sides", false},
    {"moveAfterProcess", "Check5", K::Flag, T::Move, "1", true},
    {"moveAfterProcessShow", "Check11", K::Flag, T::Move, "0", true},
    {"addText", "Text2", K::Text, T::Add, "", false},
    {"addIfContains", "Text3", K::Text, T::Add, "", false},
    {"addAtCol", "MaskEdBox9", K::Number, T::Add, "1", false},
    {"addEndOfLine", "Check2", K::Flag, T::Add, "0", false},
    {"addOptions", "Combo5", K::Text, T::Add, "Omit spaces", false},
    {"addSpaces", "MaskEdBox6", K::Number, T::Add, "1", false},
    {"addPlaceSpaces", "Combo4", K::Text, T::Add, "Both sides", false},
    {"addAfterProcess", "Check6", K::Flag, T::Add, "1", true},
    {"addAfterProcessShow", "Check12", K::Flag, T::Add, "0", true},
    {"replaceText", "Combo7", K::Text, T::Replace, "", false},
    {"replaceSpecificText", "Text4", K::Text, T::Replace, "", false},
    {"replaceAtCol", "MaskEdBox11", K::Number, T::Replace, "1", false},
    {"replaceNumOfChars", "MaskEdBox8", K::Number, T::Replace, "1", false},
    {"replaceWith", "Text5", K::Text, T::Replace, "", false},
    {"replaceEndOfLine", "Check3", K::Flag, T::Replace, "0", false},
    {"replaceAfterProcess", "Check7", K::Flag, T::Replace, "1", true},
    {"replaceAfterProcessShow", "Check13", K::Flag, T::Replace, "0", true},
    {"deleteText", "Combo6", K::Text, T::Delete, "", false},
    {"deleteSpecificText", "Text6", K::Text, T::Delete, "", false},
    {"deleteFromCol", "MaskEdBox7", K::Number, T::Delete, "1", false},
    {"deleteNumOfChars", "MaskEdBox10", K::Number, T::Delete, "1", false},
    {"deleteEndOfLine", "Check4", K::Flag, T::Delete, "0", false},
    {"deleteOptions", "Combo8", K::Text, T::Delete, "Omit spaces", false},
    {"deleteSpaces", "MaskEdBox12", K::Number, T::Delete, "1", false},
    {"deleteAfterProcess", "Check8", K::Flag, T::Delete, "1", true},
    {"deleteAfterProcessShow", "Check14", K::Flag, T::Delete, "0", true},
    {"formatCreate", "Combo12", K::Text, T::Format, "New line", false},
    {"formatDelimiter", "Combo9", K::Text, T::Format, "", false},
    {"formatLineStart", "Combo14", K::Text, T::Format, "No", false},
    {"formatSpacesBetweenCols", "MaskEdBox16", K::Number, T::Format, "1", false},
    {"formatAddText", "Combo13", K::Text, T::Format, "Omit text", false},
    {"formatTextToAdd", "Text9", K::Text, T::Format, "", false},
    {"formatAddFromCol", "MaskEdBox14", K::Number, T::Format, "1", false},
    {"formatNumOfChars", "MaskEdBox15", K::Number, T::Format, "1", false},
    {"formatFirstSection", "Combo15", K::Text, T::Format, "Yes", false},
    {"formatOptions", "Combo10", K::Text, T::Format, "Omit spaces", false},
    {"formatPlaceSpaces", "Combo11", K::Text, T::Format, "Both sides", false},
    {"formatSpaces", "MaskEdBox13", K::Number, T::Format, "1", false},
    {"formatAfterProcess", "Check9", K::Flag, T::Format, "1", true},
    {"formatAfterProcessShow", "Check15", K::Flag, T::Format, "0", true},
    {"fieldizeStartLineAt", "MaskEdBox4", K::Number, T::Fieldize, "1", false},
    {"fieldizeAfterProcess", "Check10", K::Flag, T::Fieldize, "1", true},
    {"fieldizeAfterProcessShow", "Check16", K::Flag, T::Fieldize, "0", true},
    {"databaseProcessMethod", "Combo18", K::Text, T::Database, "", false},
    {"databaseDelimiter", "Text10", K::Text, T::Database, "", false},
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
