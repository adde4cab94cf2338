#pragma once
// A table's description: its name and its fields in order. CreateTableDef
// and CreateField make one; TableDefs.Append writes it into the database;
// TableDefs.Item reads one back from the file.

#include "workbench/database_engine/field_type.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

// Compares names as the engine does: without regard to (ASCII) letter case,
// which is also how SQLite matches table and column names.
bool sameName(std::string_view a, std::string_view b);

class FieldDefs {
  public:
    // Refuses an invalid name (3125) and a name already present (3191).
    void append(FieldDef field);
    int count() const { return int(fields_.size()); }
    const FieldDef& operator[](int index) const;             // 3265 when out of range
    const FieldDef& operator[](std::string_view name) const; // any case; 3265 when absent
    FieldDef& operator[](int index);
    FieldDef& operator[](std::string_view name);
    std::optional<int> indexOf(std::string_view name) const;
    auto begin() const { return fields_.begin(); }
    auto end() const { return fields_.end(); }

  private:
    std::vector<FieldDef> fields_;
};

class TableDef {
  public:
    TableDef() = default;
    explicit TableDef(std::string name) : name_(std::move(name)) {}

    const std::string& name() const { return name_; }
    void setName(std::string name) { name_ = std::move(name); }
    FieldDefs& fields() { return fields_; }
    const FieldDefs& fields() const { return fields_; }

    // A new field, not yet appended. Text: size 1 to 255, 0 meaning the
    // default 50; other types take their storage size. An unknown type is
    // error 3259, a text size out of range 3001.
    FieldDef createField(std::string name, int type, int size = 0) const;

  private:
    std::string name_;
    FieldDefs fields_;
};

} // namespace fieldizer::db
