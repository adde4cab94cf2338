#pragma once
// Copies of the column specifications: the working table fieldize_settings
// and a saved set's table fieldize_<name> hold the same five fields, matched
// without regard to letter case.

#include "workbench/database_engine/database.h"

#include <string_view>

namespace fieldizer {

// Gives `copy` the rows of the working table, in the order it returns them,
// in place of its own. An empty working table leaves `copy` as it is.
// Errors are thrown; call it inside a transaction to keep `copy` whole.
void storeSpecificationCopy(db::Database& database, std::string_view copy);

// Adds the rows of `copy` to the working table, in order. Errors are
// ignored row by row, as Select Settings does: a missing table adds nothing,
// a row the working table refuses is left out.
void restoreSpecificationCopy(db::Database& database, std::string_view copy);

} // namespace fieldizer
