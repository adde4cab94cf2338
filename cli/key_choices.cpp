#include "cli/key_choices.h"

#include "columns/save_to_database.h"
#include "text_engine/delete_text.h"
#include "text_engine/format_text.h"
#include "text_engine/move_text.h"
#include "text_engine/padding.h"
#include "text_engine/replace_text.h"

#include <array>

namespace fieldizer::cli {
namespace {

// The values the operations compare against, taken from their own headers.
constexpr std::array<std::string_view, 2> spacesOptions{addSpacesOption, omitSpacesOption};
constexpr std::array<std::string_view, 3> spacePlaces{bothSidesPlace, leftSidePlace,
                                                      rightSidePlace};
constexpr std::array<std::string_view, 2> yesNo{"Yes", "No"};
constexpr std::array<std::string_view, 2> moveModes{generalMoveMode, specificMoveMode};
constexpr std::array<std::string_view, 2> replaceModes{generalReplaceMode, specificReplaceMode};
constexpr std::array<std::string_view, 2> deleteModes{generalDeleteMode, specificDeleteMode};
constexpr std::array<std::string_view, 2> formatCreates{newColumnCreate, newLineCreate};
constexpr std::array<std::string_view, 5> formatAddTexts{startOfLineAdd, startOfColumnAdd,
                                                         endOfLineAdd, endOfColumnAdd, omitTextAdd};
constexpr std::array<std::string_view, 2> processMethods{useColumnSpecsMethod,
                                                         parseByDelimiterMethod};

struct KeyList {
    std::string_view key;
    KeyChoices choices;
};

const std::array<KeyList, 15> lists{{
    {"textToMove", {moveModes, true}},
    {"moveOptions", {spacesOptions, false}},
    {"movePlaceSpaces", {spacePlaces, false}},
    {"addOptions", {spacesOptions, false}},
    {"addPlaceSpaces", {spacePlaces, false}},
    {"replaceText", {replaceModes, true}},
    {"deleteText", {deleteModes, true}},
    {"deleteOptions", {spacesOptions, false}},
    {"formatCreate", {formatCreates, false}},
    {"formatLineStart", {yesNo, false}},
    {"formatAddText", {formatAddTexts, false}},
    {"formatFirstSection", {yesNo, false}},
    {"formatOptions", {spacesOptions, false}},
    {"formatPlaceSpaces", {spacePlaces, false}},
    {"databaseProcessMethod", {processMethods, false}},
}};

} // namespace

KeyChoices keyChoices(std::string_view key) {
    for (const KeyList& list : lists)
        if (list.key == key)
            return list.choices;
    return {};
}

} // namespace fieldizer::cli
