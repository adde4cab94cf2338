#include "workbench/access/access_converter.h"

#include "text_engine/display_path.h"
#include "text_engine/progress_pacer.h"
#include "workbench/access/access_file_header.h"
#include "workbench/access/access_saved_queries.h"
#include "workbench/access/access_table_copy.h"
#include "workbench/access/conversion_child.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <filesystem>
#include <set>
#include <unistd.h>

namespace fieldizer::access {
namespace {

namespace fs = std::filesystem;

void copyQueries(db::Database& database, const AccessFile& file, ConversionReport& report) {
    for (SavedAccessQuery& query : readSavedQueries(file)) {
        ConversionReport::Query outcome{query.name, {}};
        if (!query.text) {
            outcome.problem = "its SQL could not be read from the file";
        } else {
            try {
                db::QueryDef saved = database.queryDefs().create(query.name, query.text->sql);
                if (!query.text->connect.empty())
                    saved.setConnect(query.text->connect);
            } catch (const RuntimeError& refused) {
                // The query stays in the report with its text for the user
                // to mend; the rest of the conversion goes on.
                outcome.problem = "error " + std::to_string(refused.number()) + " " +
                                  refused.what() + "\n    " + query.text->sql;
            }
        }
        report.queries.push_back(std::move(outcome));
    }
}

// Everything into the open new database, in one transaction; false when
// Stop ended it.
bool copyAll(db::Database& database, const AccessFile& file, PassObserver& observer,
             ConversionReport& report) {
    std::vector<std::unique_ptr<AccessTable>> tables;
    std::uint64_t total = 0;
    for (const std::string& name : file.userTables()) {
        tables.push_back(file.openTable(name));
        total += tables.back()->rowCountHint();
    }
    observer.started(total);
    db::Transaction transaction(database);
    TableCopy copy(database, observer, report);
    for (auto& table : tables) {
        if (observer.stopRequested())
            return false;
        copy.copy(*table);
    }
    copyQueries(database, file, report);
    transaction.commit();
    return true;
}

// The passing folder, with whatever a child killed by Stop left in it.
void removeQuietly(const fs::path& path) {
    std::error_code ignored; // it may never have been made
    fs::remove_all(path, ignored);
}

// The conversion itself, in the child: everything into the new file at
// `temporary`, which the parent links into place.
ConversionReport convertInto(const fs::path& source, const fs::path& temporary,
                             PassObserver& observer) {
    AccessFile file(source);
    db::createFieldizerDatabase(temporary);
    auto database = db::Workspace().openDatabase(temporary, db::ownConnectString);
    ConversionReport report;
    report.stopped = !copyAll(*database, file, observer, report);
    database->close();
    return report;
}

} // namespace

ConversionReport convertAccessDatabase(const fs::path& source, const fs::path& target,
                                       PassObserver& observer) {
    std::error_code error;
    if (fs::exists(target, error) || error)
        throw RuntimeError(db::errors::databaseExists, "Database already exists.");
    if (!fs::is_regular_file(source, error))
        throw db::errors::couldNotFindFile(source);
    if (!isAccessDatabaseFile(source))
        throw db::errors::unrecognizedDatabaseFormat(source);
    // Built in a passing folder beside the target, then linked into place,
    // which fails rather than overwrite a file made meanwhile.
    const fs::path folder = target.native() + ".access-" + std::to_string(::getpid());
    const fs::path temporary = folder / "copy.db";
    removeQuietly(folder); // a left-over of a run that was killed
    fs::create_directory(folder, error);
    if (error)
        throw RuntimeError(errors::permissionDenied, "Permission denied: " + displayPath(folder));
    std::uintmax_t sourceSize = fs::file_size(source, error);
    if (error)
        sourceSize = 0; // read as it can be, within the smallest bounds
    ConversionReport report;
    try {
        report = runConversionInChild(
            [&](PassObserver& progress) { return convertInto(source, temporary, progress); },
            observer, source, limitsForFile(sourceSize));
        if (!report.stopped && ::link(temporary.c_str(), target.c_str()) != 0)
            throw RuntimeError(db::errors::databaseExists, "Database already exists.");
    } catch (...) {
        removeQuietly(folder);
        observer.finished();
        throw;
    }
    removeQuietly(folder);
    observer.finished();
    return report;
}

} // namespace fieldizer::access
