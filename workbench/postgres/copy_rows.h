#pragma once
// New rows for a server table, sent through COPY in large pieces rather than
// a statement per row. A value too long for its varchar field is refused on
// assignment (3163), as the file database refuses it, so the server never
// sees it.

#include "text_engine/runtime_error.h"
#include "workbench/database_engine/record_target.h"
#include "workbench/postgres/server_connection.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

class CopyRows final : public RowWriter {
  public:
    // Reads the fields of `table` (the database's spelling).
    CopyRows(ServerConnection& connection, const std::string& table);
    // A COPY still under way is abandoned: its rows are not stored.
    ~CopyRows() override;
    CopyRows(const CopyRows&) = delete;
    CopyRows& operator=(const CopyRows&) = delete;

    const std::vector<FieldDef>& fields() const override { return fields_; }
    void setText(int index, std::string_view text) override;
    void endRow() override;
    void cancelRow() override;
    // Sends what waits and ends the COPY; the server's refusal is thrown.
    void flush() override;

  private:
    void send();
    // Marks the COPY as failed and gives the error to throw.
    RuntimeError failed(const RuntimeError& error);

    ServerConnection& connection_;
    std::string table_;
    std::vector<FieldDef> fields_;
    std::vector<std::optional<std::string_view>> row_; // the row being built
    std::string waiting_;                              // rows in COPY's text form
    std::string copyStatement_;
    bool copying_ = false;
    // A failed COPY has lost the transaction: nothing more is sent, so the
    // first refusal stays the one reported.
    bool failed_ = false;
};

} // namespace fieldizer::db
