#pragma once
// Copying one Access table into the new database: its description, its rows
// through RowAppender (the engine's own checks on every value), then its
// primary key and indexes. What could not be copied goes into the report.

#include "text_engine/processing_pass.h"
#include "text_engine/progress_pacer.h"
#include "workbench/access/access_field_types.h"
#include "workbench/access/access_reader.h"
#include "workbench/access/conversion_report.h"
#include "workbench/database_engine/database.h"

#include <set>
#include <string>

namespace fieldizer::access {

class TableCopy {
  public:
    TableCopy(db::Database& database, PassObserver& observer, ConversionReport& report)
        : database_(database), pacer_(observer), report_(report) {}
    void copy(AccessTable& table);

  private:
    db::TableDef describe(const AccessTable& table, std::vector<FieldPlan>& plans) const;
    std::uint64_t copyRows(AccessTable& table, const std::string& name,
                           const std::vector<FieldPlan>& plans);
    void createIndexes(const AccessTable& table, const db::TableDef& created);

    db::Database& database_;
    ProgressPacer pacer_;
    ConversionReport& report_;
    std::uint64_t rowsDone_ = 0;
    std::set<std::string> indexNames_; // index names are one namespace in the file
};

} // namespace fieldizer::access
