#pragma once
// The texts Save to Database shows, each in one place, and their
// identifiers.

#include "text_engine/user_dialogs.h"

#include <string>
#include <string_view>

namespace fieldizer::saveMessages {

namespace id {
inline constexpr MessageId nothingToSave{"save.nothingToSave"};
inline constexpr MessageId noTableName{"save.noTableName"};
inline constexpr MessageId programTable{"save.programTable"};
inline constexpr MessageId noProcessMethod{"save.noProcessMethod"};
inline constexpr MessageId noDelimiter{"save.noDelimiter"};
inline constexpr MessageId noDatabase{"save.noDatabase"};
inline constexpr MessageId noColumnSpecs{"save.noColumnSpecs"};
inline constexpr MessageId tableNotIn{"save.tableNotIn"};
// Both forms of "add to the current records?", with or without the table.
inline constexpr MessageId addToRecords{"save.addToRecords"};
inline constexpr MessageId valueTooLarge{"save.valueTooLarge"};
inline constexpr MessageId warnAgain{"save.warnAgain"};
inline constexpr MessageId enlargeField{"save.enlargeField"};
// The error report of a value its field refuses; the save goes on.
inline constexpr MessageId valueRefused{"save.valueRefused"};
// What a save that failed or was aborted left in its table.
inline constexpr MessageId oldRecordsKept{"save.oldRecordsKept"};
inline constexpr MessageId earlierRecordsKept{"save.earlierRecordsKept"};
// The text begins with the heading line of the column specifications.
inline constexpr MessageId laidOut{"save.laidOut"};
} // namespace id

inline constexpr const char* nothingToSave =
    "There is nothing to save.  Please open a file by selecting File menu/Open, or paste some "
    "text into the text box on the Text/Lines tab.";
inline constexpr const char* noTableName = "Please specify a table name.";
inline constexpr const char* noProcessMethod = "Please specify a Process Method.";
inline constexpr const char* noDelimiter = "Please enter a delimiter.";
inline constexpr const char* noDatabase = "Please select a database.";
inline constexpr const char* noColumnSpecs =
    "Please select the Fieldize Text tab and enter column headings; or, Select (saved) Settings "
    "from the Settings tab.  The headings will be used to create field names in the new table.  "
    "If you choose the Process Method 'Use specs on the Fieldize Text tab', you must also enter "
    "data in all other fields on the Fieldize Text tab.";
inline constexpr const char* addToRecords = "Would you like to add to the current records?";
inline constexpr const char* laidOut =
    "This text is already laid out by Fieldize: its first line is the heading line of the "
    "column specifications on the Fieldize Text tab.  Save it as laid out, by its new "
    "positions?  Yes leaves the heading line out and takes each column from where Fieldize put "
    "it; No cuts every line at the positions on the Fieldize Text tab, as for the original "
    "text.";
inline constexpr const char* warnAgain = "Would you like to be warned again, if necessary?";
inline constexpr const char* enlargeField =
    "You can use a database editor to enlarge the field size, then process the data again.  The "
    "maximum field size is 255.";

inline std::string tableAlreadyIn(std::string_view table, std::string_view dbPath) {
    std::string text = "This table name (";
    text.append(table).append(") is already in ").append(dbPath);
    return text.append(".  ").append(addToRecords);
}

inline std::string programTable(std::string_view table) {
    std::string text = "This table name (";
    return text.append(table).append(
        ") is used by Fieldizer itself.  Please choose another name for the table.");
}

inline std::string tableNotIn(std::string_view table, std::string_view dbPath) {
    std::string text = "This table name (";
    text.append(table).append(") is not in ").append(dbPath);
    return text.append(".  Please verify the name.");
}

inline std::string oldRecordsKept(std::string_view table) {
    std::string text = "Nothing of this save was stored: the table (";
    return text.append(table).append(") keeps the records it had.");
}

inline std::string earlierRecordsKept(std::string_view table) {
    std::string text = "The save ended early: the records stored before it ended stay in the "
                       "table (";
    return text.append(table).append(").");
}

inline std::string valueTooLarge(std::string_view field) {
    std::string text = "The data that's about to be written is too large for the size of the "
                       "current field (";
    return text.append(field).append(").  The write will be aborted.  Would you like to process "
                                     "the remaining data?");
}

} // namespace fieldizer::saveMessages
