#include "workbench/access/access_converter.h"

#include "engine/cp1252.h"
#include "engine/progress_pacer.h"
#include "workbench/access/access_file_header.h"
#include "workbench/access/access_saved_queries.h"
#include "workbench/access/access_table_copy.h"
#include "workbench/engine/engine_errors.h"
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

void removeQuietly(const std::string& utf8Path) {
    std::error_code ignored; // it may never have been made
    fs::remove(utf8Path, ignored);
}

} // namespace

ConversionReport convertAccessDatabase(const std::string& source, const std::string& target,
                                       PassObserver& observer) {
    const std::string targetPath = cp1252ToUtf8(target);
    std::error_code error;
    if (fs::exists(targetPath, error) || error)
        throw RuntimeError(db::errors::databaseExists, "Database already exists.");
    if (!isAccessDatabaseFile(cp1252ToUtf8(source)) && fs::is_regular_file(cp1252ToUtf8(source)))
        throw db::errors::unrecognizedDatabaseFormat(source);
    AccessFile file(cp1252ToUtf8(source));
    // Built beside the target under a passing name, then linked into place,
    // which fails rather than overwrite a file made meanwhile.
    const std::string temporary = target + ".access-" + std::to_string(::getpid());
    ConversionReport report;
    try {
        db::createFieldizerDatabase(temporary);
        auto database = db::Workspace().openDatabase(temporary, db::ownConnectString);
        report.stopped = !copyAll(*database, file, observer, report);
        database->close();
        if (!report.stopped && ::link(cp1252ToUtf8(temporary).c_str(), targetPath.c_str()) != 0)
            throw RuntimeError(db::errors::databaseExists, "Database already exists.");
    } catch (...) {
        removeQuietly(cp1252ToUtf8(temporary));
        observer.finished();
        throw;
    }
    removeQuietly(cp1252ToUtf8(temporary));
    observer.finished();
    if (report.stopped)
        report = ConversionReport{{}, {}, {}, true};
    return report;
}

} // namespace fieldizer::access
