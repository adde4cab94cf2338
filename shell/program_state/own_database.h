#pragma once
// The program's own database as the current one: the Manipulator's tab
// changes, the first save option and a reopened Manipulator put it back
// whenever the user has opened another.

#include "shell/program_state/program_state.h"
#include "text_engine/user_dialogs.h"

namespace fieldizer {

// Whether dbPath names the program's own database; paths are compared in
// lower case, as the program's file system once did.
bool ownDatabaseIsCurrent(const ProgramState& state);

// dbPath becomes homeDbPath and the program's database, opened with its own
// connect string, becomes the current database. The former one is let go
// first, so that a failing open leaves no database current rather than the
// wrong one; the error is thrown.
void makeOwnDatabaseCurrent(ProgramState& state);

// Start-up: the program's database, at homeDbPath, becomes current. The
// program cannot work without it, so a failure to open it is never passed
// over: the error is reported, then the message that the program cannot
// execute without its database, and the answer is false (the program ends).
bool openOwnDatabaseAtStartUp(ProgramState& state, UserDialogs& dialogs);

// The program's own database on a connection a window keeps for the
// program's own work (the Settings), whichever database is current: `held`
// while it is open on the program's database, else a new connection with
// the program's connect string. Throws when the file cannot be opened.
std::shared_ptr<db::Database> ownDatabaseConnection(std::shared_ptr<db::Database> held,
                                                    const ProgramState& state);

} // namespace fieldizer
