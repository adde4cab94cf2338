#pragma once
// The table list window's two modes and what they do: the tables offered,
// the caption and instruction of each mode, and deleting a table after its
// question.

#include "columns/table_list.h"
#include "text_engine/user_dialogs.h"
#include "workbench/database_engine/database.h"

#include <string>
#include <vector>

namespace fieldizer {

struct TableListMode {
    bool deleting = false;
    const char* caption = "";
    const char* instruction = "";
    unsigned instructionRgb = 0; // 0xRRGGBB
};

inline constexpr const char* tableListCaption = "Fieldizer - Tables";
inline constexpr TableListMode openTableMode{false, "Fieldizer - Open Table",
                                             "Double-click on a table name to OPEN it:", 0x008000};
inline constexpr TableListMode deleteTableMode{
    true, "Fieldizer - Delete Table", "Double-click on a table name to DELETE it:", 0xFF0000};

// The window's size and place, in twips: centred in the main window.
inline constexpr int tableListWidth = 4590;
inline constexpr int tableListHeight = 4380;

// createTableList lists the tables a user may open: columns/table_list.h's
// listedTableNames, the same tables Save to Database offers.

namespace tableListMessageIds {
inline constexpr MessageId deleteTable{"tableList.deleteTable"};
}

// "Delete this table: <name>?" (Yes/No, No the default).
Message deleteTableQuestion(const std::string& name);

// Deletes the table, by its name in any letter case (3265 when absent).
void deleteTable(db::Database& database, const std::string& name);

} // namespace fieldizer
