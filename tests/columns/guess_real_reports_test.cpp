// Guess Columns on real reports, against the layout documented for each
// (the csvkit schemas, the published GHCN-Daily format, and the layouts read
// off the reports by eye in tests/data/layouts/, see tests/data/SOURCES.md).
// A guessed boundary matches a documented one when only blanks stand between
// them in every line looked at: both cut every line into the same values.
// The figures are printed; the check is that the guess finds every
// documented boundary the data shows: a blank beside it in every line, and
// a character in the column it begins in some line (where an empty column
// starts shows nowhere).

#include "columns/column_guess.h"
#include "columns/spec_import.h"
#include "test_data.h"

#include <gtest/gtest.h>
#include <iostream>
#include <sstream>

namespace fieldizer {
namespace {

// The lines of a report whatever its line ends (CR LF or LF).
std::vector<std::string> reportLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

struct Sample {
    std::vector<std::string> lines;
    std::vector<std::string_view> chosen;
    std::optional<std::string_view> heading;
};

// Lines FIRST to LAST (1-based), or the first 200 with characters.
Sample sampleOf(const std::string& file, std::size_t first = 0, std::size_t last = 0,
                std::size_t heading = 0) {
    Sample sample{reportLines(testing::readTestData(file)), {}, {}};
    std::vector<std::string_view> all(sample.lines.begin(), sample.lines.end());
    if (first == 0)
        sample.chosen = firstFilledLines(all);
    else
        sample.chosen.assign(all.begin() + long(first - 1), all.begin() + long(last));
    if (heading)
        sample.heading = all[heading - 1];
    return sample;
}

bool blankEverywhere(const std::vector<std::string_view>& lines, std::size_t position) {
    for (std::string_view line : lines)
        if (position < line.size() && line[position] != ' ' && line[position] != '\t')
            return false;
    return true;
}

// Cuts a and b (0-based starts) part every line the same way.
bool sameCut(const std::vector<std::string_view>& lines, std::size_t a, std::size_t b) {
    for (std::size_t position = std::min(a, b); position < std::max(a, b); ++position)
        if (!blankEverywhere(lines, position))
            return false;
    return true;
}

// The 0-based starts of every column but the first.
std::vector<std::size_t> cutsOf(const ColumnSpecs& specs) {
    std::vector<std::size_t> cuts;
    for (std::size_t i = 1; i < specs.size(); ++i)
        cuts.push_back(std::size_t(*specs[i].getDataFromColumn - 1));
    return cuts;
}

struct Figures {
    std::size_t documented = 0; // boundaries of the layout
    std::size_t withData = 0;   // ... that begin a column holding characters
    std::size_t shown = 0;      // ... of those, with a blank beside them in every line
    std::size_t found = 0;      // ... of those with data, matched by a guessed one
    std::size_t guessed = 0, matching = 0;
};

bool holdsCharacters(const std::vector<std::string_view>& lines, const ColumnSpec& spec) {
    const auto first = std::size_t(*spec.getDataFromColumn - 1);
    for (auto position = first; position < first + std::size_t(*spec.numberOfCharacters);
         ++position)
        if (!blankEverywhere(lines, position))
            return true;
    return false;
}

bool matchesAny(const std::vector<std::string_view>& lines, std::size_t cut,
                const std::vector<std::size_t>& others) {
    for (std::size_t other : others)
        if (sameCut(lines, cut, other))
            return true;
    return false;
}

Figures measure(const Sample& sample, const ColumnSpecs& layout) {
    const ColumnSpecs guessed = guessColumns(sample.chosen, sample.heading);
    const std::vector<std::size_t> documented = cutsOf(layout), proposed = cutsOf(guessed);
    Figures figures{documented.size(), 0, 0, 0, proposed.size(), 0};
    for (std::size_t i = 0; i < documented.size(); ++i) {
        const std::size_t cut = documented[i];
        if (!holdsCharacters(sample.chosen, layout[i + 1]))
            continue;
        ++figures.withData;
        figures.shown +=
            blankEverywhere(sample.chosen, cut - 1) || blankEverywhere(sample.chosen, cut);
        figures.found += matchesAny(sample.chosen, cut, proposed);
    }
    for (std::size_t cut : proposed)
        figures.matching += matchesAny(sample.chosen, cut, documented);
    return figures;
}

// A report, the lines looked at (FIRST-LAST, 0 for the first 200 with
// characters), the heading line (0 for none) and its documented layout.
struct Report {
    const char* file;
    std::size_t first, last, heading;
    const char* layout;
};

class GuessOnRealReports : public ::testing::TestWithParam<Report> {};

TEST_P(GuessOnRealReports, FindsEveryBoundaryItsDataShows) {
    const Report& report = GetParam();
    const std::string layout = testing::readTestData(report.layout);
    const ColumnSpecs documented = std::string_view(report.layout).ends_with(".csv")
                                       ? importCsvkitSchema(layout)
                                       : importColumnLines(layout);
    const Sample sample = sampleOf(report.file, report.first, report.last, report.heading);
    const Figures figures = measure(sample, documented);
    std::cout << "[guess] " << report.file << ": " << figures.documented
              << " documented boundaries, " << figures.withData << " before a column with data, "
              << figures.shown << " of them beside a blank; found " << figures.found << "; "
              << figures.matching << " of " << figures.guessed
              << " guessed boundaries documented\n";
    EXPECT_GE(figures.found, figures.shown);
    EXPECT_GT(figures.found, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, GuessOnRealReports,
    ::testing::Values(Report{"testfixed", 1, 4, 0, "testfixed_schema.csv"},
                      Report{"usgeo_excerpt.upl", 0, 0, 0, "census2000_geo_schema.csv"},
                      Report{"VROUTFSJ.TXt", 0, 0, 0, "determination_schema.csv"},
                      Report{"CF6DSM.txt", 19, 40, 16, "layouts/CF6DSM-day-rows.columns"},
                      Report{"USW00094728_excerpt.dly", 0, 0, 0,
                             "layouts/USW00094728_excerpt.columns"},
                      Report{"fwf-sample.txt", 1, 3, 0, "layouts/fwf-sample.columns"},
                      Report{"epa78.txt", 1, 20, 0, "layouts/epa78.columns"}));

TEST(GuessOnRealReports, ClimateDayRowsTakeTheirHeadings) {
    const Sample sample = sampleOf("CF6DSM.txt", 19, 40, 16);
    const ColumnSpecs specs = guessColumns(sample.chosen, sample.heading);
    ASSERT_GE(specs.size(), 3u);
    EXPECT_EQ(specs[0].columnHeading, "DY");
    EXPECT_EQ(specs[1].columnHeading, "MAX");
    EXPECT_EQ(specs[2].columnHeading, "MIN");
}

} // namespace
} // namespace fieldizer
