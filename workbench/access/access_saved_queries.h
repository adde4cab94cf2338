#pragma once
// The saved queries of an Access file: their names from the catalogue of
// objects (MSysObjects) and their SQL from the query catalogue (MSysQueries).

#include "workbench/access/access_query_text.h"
#include "workbench/access/access_reader.h"

#include <optional>
#include <string>
#include <vector>

namespace fieldizer::access {

struct SavedAccessQuery {
    std::string name;              // Windows-1252
    std::optional<QueryText> text; // Windows-1252; none when it could not be read
};

// Every saved query the user made, in the catalogue's order; the hidden
// queries Access makes for forms and reports ("~sq_...") are left out.
// Names and texts are in the program's character set.
std::vector<SavedAccessQuery> readSavedQueries(const AccessFile& file);

} // namespace fieldizer::access
