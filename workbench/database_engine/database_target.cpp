#include "workbench/database_engine/database.h"
#include "workbench/database_engine/row_appender.h"

namespace fieldizer::db {
namespace {

// A table recordset and the appender over it, kept together: the appender
// needs the recordset open while it writes.
class AppendedRows final : public RowWriter {
  public:
    AppendedRows(Database& database, const std::string& table)
        : table_(database.openRecordset(table, RecordsetType::Table)), rows_(table_) {}
    ~AppendedRows() override {
        try {
            table_.close();
        } catch (...) {
            // Closing a recordset whose database failed adds nothing to report.
        }
    }
    AppendedRows(const AppendedRows&) = delete;
    AppendedRows& operator=(const AppendedRows&) = delete;

    const std::vector<FieldDef>& fields() const override { return rows_.fields(); }
    void setText(int index, std::string_view text) override { rows_.setText(index, text); }
    void endRow() override { rows_.endRow(); }
    void cancelRow() override { rows_.cancelRow(); }
    void flush() override { rows_.flush(); }

  private:
    Recordset table_;
    RowAppender rows_;
};

} // namespace

std::vector<std::string> Database::tableNames() {
    tableDefs_.refresh();
    return tableDefs_.names();
}

std::optional<std::string> Database::findTable(std::string_view name) {
    tableDefs_.refresh();
    if (!tableDefs_.contains(name))
        return std::nullopt;
    return tableDefs_.item(name).name();
}

void Database::createTable(const TableDef& table) {
    tableDefs_.append(table);
}

std::unique_ptr<RowWriter> Database::appendRows(const std::string& table) {
    return std::make_unique<AppendedRows>(*this, table);
}

} // namespace fieldizer::db
