#pragma once
// Which database is current and how it changes: a database the user chose,
// opened with the user name and password typed, or the program's own again.
// A database is made current only once it has opened and shown its tables,
// so a file that cannot be read leaves the current one as it was.

#include "shell/program_state/program_state.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace fieldizer {

// The open dialog's filter: the Access files by name, and the SQLite files
// this program reads and writes.
inline constexpr const char* userDatabaseFilter =
    "Microsoft database (*.mdb)|*.mdb|SQLite database (*.db *.sqlite)|*.db *.sqlite|"
    "All files (*.*)|*.*";

// ";UID=" + user + ";PWD=" + password, both possibly empty.
std::string userConnectString(std::string_view user, std::string_view password);

// Opens the chosen file with the connect string and reads its table list
// once, so that a file damaged past its first page is refused here (3343)
// rather than later in a window. Throws RuntimeError; nothing is current yet.
std::shared_ptr<db::Database> openChosenDatabase(const std::filesystem::path& path,
                                                 const std::string& connect);

// Makes an opened database current: the previous one is closed first (a
// failure to close it is of no interest any more), `dbPath` names the new
// one and no open dialog's Cancel is pending.
void makeCurrent(ProgramState& state, std::shared_ptr<db::Database> database,
                 const std::filesystem::path& path);

// Cancel of an open dialog: `dbPath` names the database that was current
// when it started (or the program's own), which stays open.
void restorePreviousPath(ProgramState& state);

// "Use Original Database": the program's own database, opened again with
// its connect string, becomes current. A failure to open it is thrown; the
// current database is then none, as when the Manipulator has closed it.
void useOriginalDatabase(ProgramState& state);

} // namespace fieldizer
