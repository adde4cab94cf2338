#include "settings/program_database.h"

#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

namespace fieldizer {

std::shared_ptr<db::Database> openProgramDatabase(const std::filesystem::path& path) {
    return db::Workspace().openDatabase(path, db::ownConnectString);
}

} // namespace fieldizer
