#pragma once
// Where Save to Database writes: the database its option promises, and
// whether the working specifications are needed for the save.

#include "columns/save_to_database.h"
#include "shell/program_state/program_state.h"

#include <filesystem>
#include <memory>

namespace fieldizer {

// Option 1 writes into the current database, the program's own, which
// the option made current. Options 2 and 3 promise the user's own database:
// until one is chosen (or after a tab change put the program's back), there
// is none to write to, rather than the program's database the user did not
// ask for. `chosenDbPath` is the database chosen for those options, empty
// when none is.
std::shared_ptr<db::Database> saveTargetDatabase(SaveOption option,
                                                 const std::filesystem::path& chosenDbPath,
                                                 const ProgramState& state);

// The save cuts values by the column specifications unless it writes into an
// existing table by a delimiter; an empty text needs none either.
bool saveNeedsSpecs(const SaveRequest& request);

// The delimiter field means something only for the delimiter method.
bool delimiterShown(std::string_view processMethod);

} // namespace fieldizer
