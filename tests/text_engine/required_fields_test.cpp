#include "text_engine/required_fields.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

TEST(RequiredFields, EmptyModeFieldsNameTheirMessageAndKey) {
    const auto move = checkMoveFields(MoveParameters{});
    ASSERT_TRUE(move);
    EXPECT_EQ(move->message, "Please enter text to move; or select a move type and enter "
                             "'Specific text to move', if necessary.");
    EXPECT_EQ(move->id, requiredFieldIds::textToMove);
    EXPECT_EQ(move->focus.key->name, "textToMove");

    const auto add = checkAddFields(AddParameters{});
    ASSERT_TRUE(add);
    EXPECT_EQ(add->message, "Please enter text to add.");
    EXPECT_EQ(add->id, requiredFieldIds::addText);
    EXPECT_EQ(add->focus.key->name, "addText");

    const auto replace = checkReplaceFields(ReplaceParameters{});
    ASSERT_TRUE(replace);
    EXPECT_EQ(replace->message, "Please enter text to replace; or select a replace type and "
                                "enter 'Specific text to replace', if necessary.");
    EXPECT_EQ(replace->id, requiredFieldIds::replaceText);
    EXPECT_EQ(replace->focus.key->name, "replaceText");

    const auto del = checkDeleteFields(DeleteParameters{});
    ASSERT_TRUE(del);
    EXPECT_EQ(del->message, "Please enter text to delete; or select a delete type and enter "
                            "'Specific text to delete', if necessary.");
    EXPECT_EQ(del->id, requiredFieldIds::deleteText);
    EXPECT_EQ(del->focus.key->name, "deleteText");
}

TEST(RequiredFields, FilledFieldsPass) {
    MoveParameters move;
    move.textToMove = " ";
    EXPECT_FALSE(checkMoveFields(move)) << "a space is a text";
    AddParameters add;
    add.addText = "x";
    EXPECT_FALSE(checkAddFields(add));
    ReplaceParameters replace;
    replace.replaceText = "General Replace";
    EXPECT_FALSE(checkReplaceFields(replace));
    DeleteParameters del;
    del.deleteText = "Specific Delete";
    EXPECT_FALSE(checkDeleteFields(del)) << "an empty specific text is accepted";
}

TEST(RequiredFields, FormatNeedsADelimiter) {
    FormatParameters format;
    const auto missing = checkFormatFields(format);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->message, "Please select or enter a delimiter.");
    EXPECT_EQ(missing->id, requiredFieldIds::formatDelimiter);
    EXPECT_EQ(missing->focus.key->name, "formatDelimiter");
    format.formatDelimiter = " ";
    EXPECT_FALSE(checkFormatFields(format)) << "spaces are a delimiter";
}

TEST(RequiredFields, NothingToProcess) {
    EXPECT_EQ(nothingToProcessMessage,
              "There is nothing to process.  Please open a file by selecting File menu/Open, or "
              "enter text into the text box on the Text/Lines tab.");
    EXPECT_FALSE(hasTextToProcess(""));
    EXPECT_TRUE(hasTextToProcess("\r\n"));
    EXPECT_TRUE(hasTextToProcess(" "));
}

} // namespace
} // namespace fieldizer
