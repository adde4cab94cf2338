// --help tells the values every drop-down key takes, as the operations
// compare them.

#include "cli_runner.h"
#include "columns/save_to_database.h"
#include "text_engine/format_text.h"
#include "text_engine/padding.h"

#include <gtest/gtest.h>

namespace fieldizer::testing {
namespace {

// The line of `help` that names `key` and the more deeply indented line
// under it.
std::string keyEntry(const std::string& help, const std::string& key) {
    const auto start = help.find("\n      " + key + " (");
    if (start == std::string::npos)
        return {};
    const auto second = help.find('\n', start + 1);
    const auto end = help.find('\n', second + 1);
    return help.substr(start, end - start);
}

TEST(CliHelp, ListsTheValuesOfEveryChoiceKey) {
    CliRunner cli;
    const std::string help = cli.run({"--help"}).out;
    const std::vector<std::pair<std::string, std::vector<std::string_view>>> choices{
        {"moveOptions", {addSpacesOption, omitSpacesOption}},
        {"deleteOptions", {addSpacesOption, omitSpacesOption}},
        {"addPlaceSpaces", {bothSidesPlace, leftSidePlace, rightSidePlace}},
        {"formatCreate", {newColumnCreate, newLineCreate}},
        {"formatAddText",
         {startOfLineAdd, startOfColumnAdd, endOfLineAdd, endOfColumnAdd, omitTextAdd}},
        {"databaseProcessMethod", {useColumnSpecsMethod, parseByDelimiterMethod}},
    };
    for (const auto& [key, values] : choices) {
        const std::string entry = keyEntry(help, key);
        ASSERT_FALSE(entry.empty()) << key;
        for (std::string_view value : values)
            EXPECT_NE(entry.find("'" + std::string(value) + "'"), std::string::npos)
                << key << ": " << entry;
    }
}

} // namespace
} // namespace fieldizer::testing
