#pragma once
// Reading an Access file through libmdb (mdbtools), read-only. This header
// hides the library: callers see tables, columns, indexes and rows as plain
// values. Names and texts come as UTF-8, as libmdb gives them; fixed-size
// values come as their raw little-endian bytes, so that numbers and dates are
// decoded exactly rather than from libmdb's printed text.
//
// Not thread-safe: one reader per thread.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fieldizer::access {

// libmdb's column type numbers (the file's own): 1 Yes/No ... 12 Memo,
// 15 replication ID, 16 decimal, 18 complex; other numbers are types libmdb
// does not know.
namespace mdbType {
inline constexpr int yesNo = 0x01;
inline constexpr int byte = 0x02;
inline constexpr int integer = 0x03;
inline constexpr int longInteger = 0x04;
inline constexpr int currency = 0x05;
inline constexpr int single = 0x06;
inline constexpr int doubleFloat = 0x07;
inline constexpr int dateTime = 0x08;
inline constexpr int binary = 0x09;
inline constexpr int text = 0x0a;
inline constexpr int ole = 0x0b;
inline constexpr int memo = 0x0c;
inline constexpr int replicationId = 0x0f;
inline constexpr int decimal = 0x10;
inline constexpr int complex = 0x12;
} // namespace mdbType

struct AccessColumn {
    std::string name;
    int type = 0;
    int size = 0; // Text: its size in characters; other types: bytes stored
    bool required = false;
    bool allowZeroLength = false;
    bool autoNumber = false;
    bool calculated = false; // an expression Access computes (2010 and later)
    int precision = 0;       // Decimal: digits in all
    int scale = 0;           // Decimal: digits after the point
};

struct AccessIndex {
    std::string name;
    std::vector<std::string> columns;
    bool primaryKey = false;
    bool unique = false;
};

// One value of the row just read.
struct AccessCell {
    bool isNull = true;
    std::string text;  // text kinds: libmdb's rendering, UTF-8
    bool cut = false;  // text that filled libmdb's buffer: a Memo longer than it
    std::string bytes; // fixed-size kinds: the stored bytes
};

class AccessTable {
  public:
    ~AccessTable();
    AccessTable(const AccessTable&) = delete;
    AccessTable& operator=(const AccessTable&) = delete;

    const std::string& name() const { return name_; }
    const std::vector<AccessColumn>& columns() const { return columns_; }
    const std::vector<AccessIndex>& indexes() const { return indexes_; }
    // The row count the file's table header states.
    std::uint64_t rowCountHint() const;
    // Reads the next row into `cells` (one per column); false at the end.
    // A row libmdb cannot take apart is error 3343 naming the file.
    bool nextRow(std::vector<AccessCell>& cells);

  private:
    friend class AccessFile;
    struct Impl;
    explicit AccessTable(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
    std::string name_;
    std::vector<AccessColumn> columns_;
    std::vector<AccessIndex> indexes_;
};

class AccessFile {
  public:
    // Opens the file read-only. Missing: 3024; not an Access file or one
    // libmdb cannot read: 3343.
    explicit AccessFile(const std::filesystem::path& path);
    ~AccessFile();
    AccessFile(const AccessFile&) = delete;
    AccessFile& operator=(const AccessFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The user tables in the catalogue's order (no system tables, no links).
    std::vector<std::string> userTables() const;
    // Any table, system tables included; 3078 when absent.
    std::unique_ptr<AccessTable> openTable(const std::string& name) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::filesystem::path path_;
};

} // namespace fieldizer::access
