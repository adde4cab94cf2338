#pragma once
// What the query window decides without widgets: which saved queries its
// list shows, its captions and explanation, the row to select after a
// removal, the statement box's line ends and the window's sizes (twips).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fieldizer::queries {

// "define": the list stays empty and the statement box has the focus;
// "select": the list shows the saved queries and has the focus.
enum class QueryMode { Define, Select };

// The explanation under "In your SQL statement:", two lines.
inline constexpr const char* sqlExplanationLine1 =
    "You can create a new table in the active Access 97 database by using the INTO clause.";
inline constexpr const char* sqlExplanationLine2 =
    "Example: SELECT * INTO newTableName FROM aTableName;";

inline constexpr int loadHeight = 5000;
inline constexpr int minimumWidth = 5220;
inline constexpr int minimumHeight = 3884;
// The statement box grows with the window, keeping these margins.
inline constexpr int statementWidthMargin = 320;
inline constexpr int statementHeightMargin = 3280;

// The names the list shows: none in define mode; in select mode every
// saved query except the hidden ones, whose names begin with "~".
std::vector<std::string> listedQueryNames(const std::vector<std::string>& savedNames,
                                          QueryMode mode);

// "Queries - Current Database: " and the current database's path.
std::string windowCaption(const std::filesystem::path& dbPath);

// The result browser's caption: a saved query's name, or the start of a
// typed statement (32 characters, always followed by "...").
std::string savedQueryCaption(const std::string& name);
std::string typedQueryCaption(std::string_view sql);

// The row selected after a removal: the removed row's index, or the new
// last row when the removed one was last; none when the list is empty.
std::optional<int> rowAfterRemoval(int removedIndex, int newCount);

// The statement box edits lines joined by LF; the program keeps statements
// as Windows text, with CR LF.
std::string statementForBox(std::string_view stored);
std::string statementFromBox(std::string_view boxText);

// What Execute hands to the result browser for a row-returning query.
struct QueryResultRequest {
    std::string sql;
    std::vector<std::pair<std::string, std::string>> parameters; // name, value as typed
    std::string caption;
};

} // namespace fieldizer::queries
