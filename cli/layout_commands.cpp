// fieldizer-cli columns: column layouts guessed from a text, read in from
// other tools' layout files and written out in their forms. Headings arrive
// and leave as the terminal's UTF-8, like every text argument.

#include "cli/argument_text.h"
#include "cli/arguments.h"
#include "cli/column_sources.h"
#include "cli/commands.h"
#include "cli/line_ends.h"
#include "columns/column_guess.h"
#include "columns/spec_export.h"
#include "columns/spec_table.h"
#include "settings/settings_record.h"
#include "shell/text_files/input_text.h"
#include "text_engine/text_lines.h"
#include "workbench/fieldizer_database.h"

#include <charconv>
#include <iostream>

namespace fieldizer::cli {
namespace {

std::size_t lineNumber(std::string_view text, const std::string& option) {
    std::size_t number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || number == 0)
        throw UsageError(option + " takes line numbers from 1, not '" + std::string(text) + "'");
    return number;
}

// --lines FIRST-LAST: 1-based, both included, LAST cut to the text's end.
std::pair<std::size_t, std::size_t> lineRange(const std::string& text, std::size_t count) {
    const auto dash = text.find('-');
    if (dash == std::string::npos)
        throw UsageError("--lines takes FIRST-LAST, not '" + text + "'");
    const std::size_t first = lineNumber(std::string_view(text).substr(0, dash), "--lines");
    const std::size_t last = lineNumber(std::string_view(text).substr(dash + 1), "--lines");
    if (first > last || first > count)
        throw UsageError("--lines " + text + " selects no line of the " + std::to_string(count) +
                         " lines of the text");
    return {first, std::min(last, count)};
}

std::vector<std::string_view> guessedLines(const ParsedArguments& parsed,
                                           const std::vector<std::string_view>& lines,
                                           std::optional<std::size_t> heading) {
    std::vector<std::string_view> chosen;
    const auto range = parsed.option("--lines");
    const auto [first, last] = range ? lineRange(*range, lines.size())
                                     : std::pair<std::size_t, std::size_t>{1, lines.size()};
    for (std::size_t number = first; number <= last; ++number)
        if (number != heading)
            chosen.push_back(lines[number - 1]);
    return range ? chosen : firstFilledLines(chosen);
}

int guess(Args args) {
    const ParsedArguments parsed =
        parseArguments(args, {{"--in", "--lines", "--heading-line"}, {"--lf"}, {}, 0});
    const auto inputPath = parsed.option("--in");
    const files::InputText input =
        inputPath ? files::InputText::openFile(*inputPath) : files::InputText::standardInput();
    warnOfLfText(input.bytes(), parsed.flag("--lf"), std::cerr);
    const std::string converted = parsed.flag("--lf") ? lfToCrLf(input.bytes()) : std::string();
    const std::vector<std::string_view> lines =
        splitLines(parsed.flag("--lf") ? std::string_view(converted) : input.bytes());
    std::optional<std::size_t> heading;
    if (auto number = parsed.option("--heading-line")) {
        heading = lineNumber(*number, "--heading-line");
        if (*heading > lines.size())
            throw UsageError("--heading-line " + *number + " is past the text's " +
                             std::to_string(lines.size()) + " lines");
    }
    const std::vector<std::string_view> chosen = guessedLines(parsed, lines, heading);
    const ColumnSpecs specs =
        guessColumns(chosen, heading ? std::optional(lines[*heading - 1]) : std::nullopt);
    if (specs.empty()) {
        std::cerr << "fieldizer-cli columns guess: the lines hold no characters but blanks\n";
        return exitUsage;
    }
    std::cout << terminalText(exportColumnLines(specs));
    return exitOk;
}

SpecFormat formatOf(const ParsedArguments& parsed, std::string_view path, std::string_view text,
                    bool importing) {
    if (auto name = parsed.option("--format")) {
        const auto format = specFormatNamed(*name);
        if (!format || (importing && *format == SpecFormat::CreateTable))
            throw UsageError("--format takes csvkit, fieldwidths, columns" +
                             std::string(importing ? "" : " or create-table") + ", not '" + *name +
                             "'");
        return *format;
    }
    if (!importing)
        throw UsageError("--format csvkit|fieldwidths|columns|create-table is required");
    return specFormatOfFile(path, text);
}

// columns import FILE [options]: the file comes first, its path as given.
int import(Args args) {
    if (args.empty() || args[0].starts_with("--"))
        throw UsageError("columns import needs the FILE to read first");
    const ParsedArguments parsed =
        parseArguments(args.subspan(1), {{"--format", "--db", "--settings"}, {}, {}, 0});
    const files::InputText input = files::InputText::openFile(args[0]);
    const std::string text = textArgument(input.bytes(), "the text of " + args[0]);
    const ColumnSpecs specs = importSpecs(text, formatOf(parsed, args[0], text, true));
    auto database = openProgramDatabaseOf(parsed);
    std::string table = db::specificationTable;
    if (auto name = parsed.option("--settings")) {
        table = settingsTableName(*name);
        if (!database->tableDefs().contains(table))
            throw UsageError("no saved Settings named '" + terminalText(*name) + "'");
    }
    replaceColumnSpecs(*database, table, specs);
    std::cerr << specs.size() << " column specifications imported\n";
    return exitOk;
}

int exportLayout(Args args) {
    const ParsedArguments parsed = parseArguments(
        args, {{"--format", "--db", "--settings", "--column", "--table"}, {}, {"--column"}, 0});
    const SpecFormat format = formatOf(parsed, {}, {}, false);
    const auto table = parsed.option("--table");
    if (format == SpecFormat::CreateTable && !table)
        throw UsageError("--format create-table needs --table NAME");
    const ColumnSpecs specs = columnSpecsOf(parsed);
    const std::string text = exportSpecs(specs, format, table.value_or(""));
    // The statement is UTF-8 already, as the engine runs it.
    std::cout << (format == SpecFormat::CreateTable ? text : terminalText(text));
    return exitOk;
}

} // namespace

int runColumns(Args args) {
    const std::string action = args.empty() ? std::string() : args.front();
    const Args rest = args.empty() ? args : args.subspan(1);
    if (action == "guess")
        return guess(rest);
    if (action == "import")
        return import(rest);
    if (action == "export")
        return exportLayout(rest);
    throw UsageError("columns takes guess, import FILE or export");
}

} // namespace fieldizer::cli
