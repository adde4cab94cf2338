// The column specifications grid's decisions without a window: what a typed cell
// value does, the captions, and the preview of the first lines.
#include "columns/fieldize.h"
#include "shell/fieldize_grid/fieldize_preview.h"
#include "shell/fieldize_grid/spec_grid_rules.h"
#include "text_engine/text_lines.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

const ColumnSpec day{"Day", 1, 3, 1, 3};

TEST(SpecGridCells, numberColumnsTakeDigitsOnlyAndEmptyMeansMissing) {
    const CellEdit typed = editSpecCell(day, SpecColumn::Spaces, "12");
    ASSERT_TRUE(typed.spec);
    EXPECT_EQ(typed.spec->spacesB4NextColumn, 12);
    EXPECT_EQ(typed.spec->numberOfCharacters, day.numberOfCharacters);

    const CellEdit emptied = editSpecCell(day, SpecColumn::Start, "");
    ASSERT_TRUE(emptied.spec);
    EXPECT_FALSE(emptied.spec->getDataFromColumn);
    EXPECT_EQ(specCellText(*emptied.spec, SpecColumn::Start), "");

    // The largest Long goes in; one more, a sign, letters or a point do not.
    EXPECT_TRUE(editSpecCell(day, SpecColumn::Width, "2147483647").spec);
    for (const char* bad : {"2147483648", "99999999999999999999", "-1", "+1", "1a", "1.0", " 1"}) {
        const CellEdit refused = editSpecCell(day, SpecColumn::Width, bad);
        EXPECT_FALSE(refused.spec) << bad;
        EXPECT_NE(refused.refusal.find("field_width"), std::string::npos) << refused.refusal;
    }
}

TEST(SpecGridCells, theHeadingTakesAnyTextAsTyped) {
    const CellEdit typed = editSpecCell(day, SpecColumn::Heading, "  Max Temp ");
    ASSERT_TRUE(typed.spec);
    EXPECT_EQ(specCellText(*typed.spec, SpecColumn::Heading), "  Max Temp ");
    EXPECT_EQ(typed.spec->getDataFromColumn, day.getDataFromColumn);
}

TEST(SpecGridRows, anIncompleteRowSaysWhatItWantsAndThePassErrorNamesIt) {
    EXPECT_TRUE(incompleteColumns(day).empty());
    EXPECT_EQ(incompleteRowNote(day), "");
    const ColumnSpec negative{"Neg", 0, -1, 2, std::nullopt};
    EXPECT_EQ(
        incompleteColumns(negative),
        (std::vector<SpecColumn>{SpecColumn::Start, SpecColumn::Characters, SpecColumn::Width}));
    EXPECT_NE(incompleteRowNote(negative).find("get_data_from_column is below 1, "
                                               "number_of_characters is negative, field_width "
                                               "is empty"),
              std::string::npos)
        << incompleteRowNote(negative);

    // The pass needs no field width: such a row alone stops nothing.
    EXPECT_FALSE(unusableRowError({day, ColumnSpec{"W", 1, 1, 0, std::nullopt}}));
    const auto error = unusableRowError({day, ColumnSpec{"Gap", 4, std::nullopt, 1, 3}});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->number(), errors::invalidUseOfNull);
    EXPECT_EQ(error->description(),
              "Invalid use of Null: row 2 of the column specifications (\"Gap\") is incomplete "
              "(number_of_characters is empty). Complete the row or delete it.");
}

TEST(SpecGridCaptions, followTheRowsAndTheSelectedSettings) {
    EXPECT_EQ(recordCaption(0, 0), "Enter new record");
    EXPECT_EQ(recordCaption(2, 5), "Record 3 of 5");
    EXPECT_EQ(criteriaCaption(0, 5), "Criteria 1 of 5");
    EXPECT_EQ(criteriaCaption(5, 5), "Enter new record");
    EXPECT_EQ(specGridCaption(""), "Enter Column Specifications");
    EXPECT_EQ(specGridCaption("daily"), "Settings: daily");
    EXPECT_EQ(settingsNameOfTable("fieldize_daily"), "daily");
    // Nothing selected, or the set deleted: no name, not a cut-off text.
    EXPECT_EQ(settingsNameOfTable(""), "");
    EXPECT_EQ(settingsNameOfTable("Settings: NOT SAVED"), "");
}

TEST(FieldizePreviewLines, areThePassOutputCutToTheFirstLines) {
    std::string text;
    for (int i = 0; i < 50; ++i)
        text += "ABCDEFGHIJKLM" + std::to_string(i) + (i % 7 == 3 ? "\r\n\r\n" : "\r\n");
    const ColumnSpecs specs = {{"first", 1, 5, 2, 5}, {"second", 10, 6, 0, 6}};
    PassObserver quiet;
    const std::string passed =
        runProcessingPass(text, fieldizeOperation([&]() -> const ColumnSpecs& { return specs; }, 4),
                          quiet, testing::TempDir())
            .text;
    const FieldizePreview preview = fieldizePreview(text, specs, 4, 6);
    std::vector<std::string> expected;
    LineCursor lines(passed);
    for (int i = 0; i < 7; ++i)
        expected.emplace_back(lines.next());
    EXPECT_EQ(preview.lines, expected);
    EXPECT_TRUE(preview.unusableRows.empty());
}

TEST(FieldizePreviewLines, leaveOutRowsThePassCouldNotUse) {
    const ColumnSpecs specs = {
        {"no start", std::nullopt, 2, 0, 2}, {"kept", 1, 2, 0, 2}, {"start 0", 0, 2, 0, 2}};
    const FieldizePreview preview = fieldizePreview("abcd\r\nefgh", specs, 1);
    EXPECT_EQ(preview.unusableRows, (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(preview.lines, (std::vector<std::string>{"kept", "ab", "ef"}));

    const FieldizePreview none = fieldizePreview("abcd", {specs[0]}, 1);
    EXPECT_TRUE(none.lines.empty());
}

} // namespace
} // namespace fieldizer
