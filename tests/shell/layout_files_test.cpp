// What the Fieldize Text tab's layout commands ask and decide: the question
// before the grid's rows give way, and the layout an exported file's name
// asks for.
#include "shell/fieldize_grid/layout_files.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

TEST(ReplaceSpecsQuestion, saysWhatGoesAndDefaultsToNoWhenRowsWouldBeLost) {
    const Message replacing = replaceSpecsQuestion(3, 1, "of day.csv");
    EXPECT_EQ(replacing.id, replaceSpecsId);
    EXPECT_EQ(replacing.buttons, Buttons::YesNo);
    EXPECT_EQ(replacing.defaultAnswer, Answer::No);
    EXPECT_EQ(replacing.text, "The preview shows the 1 column of day.csv. Replace the grid's 3 "
                              "column specifications with them?");
    const Message filling = replaceSpecsQuestion(0, 12, "guessed from the text");
    EXPECT_EQ(filling.buttons, Buttons::YesNo);
    EXPECT_EQ(filling.defaultAnswer, Answer::Yes);
    EXPECT_EQ(filling.text, "Put the 12 columns guessed from the text into the grid?");
}

TEST(ExportedLayouts, theEndingNamesTheLayout) {
    EXPECT_EQ(exportFormatOf("/tmp/a/day.csv"), SpecFormat::Csvkit);
    EXPECT_EQ(exportFormatOf("day.columns"), SpecFormat::ColumnLines);
    EXPECT_EQ(exportFormatOf("day.fieldwidths"), SpecFormat::FieldWidths);
    EXPECT_EQ(exportFormatOf("day.awk"), SpecFormat::FieldWidths);
    EXPECT_EQ(exportFormatOf("day.sql"), SpecFormat::CreateTable);
    for (const char* other : {"day.txt", "day", "day.CSV.bak"})
        EXPECT_FALSE(exportFormatOf(other)) << other;
    const Message refusal = unknownLayoutEndingMessage("/tmp/a/day.txt");
    EXPECT_EQ(refusal.id, layoutEndingRefusedId);
    EXPECT_NE(refusal.text.find("day.txt"), std::string::npos);
    EXPECT_EQ(exportedTableName("/tmp/a/daily f6.sql"), "daily f6");
}

} // namespace
} // namespace fieldizer
