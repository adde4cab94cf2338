#pragma once
// An open SQLite connection shared by a database and every object opened
// from it (recordsets, query definitions). Closing it marks it closed at once;
// objects still holding it then refuse their work with error 3420, and SQLite
// frees the connection when the last prepared statement is gone.

#include "text_engine/runtime_error.h"
#include "workbench/database_engine/value.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace fieldizer::db {

struct StatementDeleter {
    void operator()(sqlite3_stmt* statement) const noexcept;
};
using StatementHandle = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

class Connection;

// A prepared statement. Text parameters and results are in the program's
// character set; the conversion to the file's UTF-8 happens here.
class Statement {
  public:
    Statement(std::shared_ptr<Connection> connection, StatementHandle handle);

    void bind(int index, const Value& value); // 1-based, as SQLite counts
    // Like bind, without copying ASCII text: `value` must stay alive and
    // unchanged until the statement is reset.
    void bindBorrowed(int index, const Value& value);
    void bindUtf8(int index, std::string_view utf8);
    // Binds UTF-8 text without copying it: `utf8` must stay alive and
    // unchanged until the statement is reset.
    void bindUtf8Borrowed(int index, std::string_view utf8);
    void bindNamed(std::string_view name, const Value& value); // ignored when absent
    bool step();                                               // true while a row is there
    void reset();
    // Like reset, keeping the bindings: for a caller that binds every
    // parameter again before the next step.
    void rewind();
    int columnCount() const;
    Value column(int index) const;
    std::int64_t columnInteger(int index) const;
    std::string columnUtf8(int index) const;
    sqlite3_stmt* handle() const { return handle_.get(); }

  private:
    std::shared_ptr<Connection> connection_;
    StatementHandle handle_;
};

class Connection : public std::enable_shared_from_this<Connection> {
  public:
    // Opens an existing file for reading and writing (read-only when the file
    // is write-protected); never creates one unless `create`. The path is the
    // file system's bytes, handed to SQLite as they are. A missing file is
    // error 3024, a file that is not a sound SQLite database 3343.
    // The connection is bare: the Access functions that translated SQL calls
    // are registered by the workspace that opens databases, a layer above.
    static std::shared_ptr<Connection> open(const std::filesystem::path& path, bool create = false);
    ~Connection();

    const std::filesystem::path& path() const { return path_; }
    bool isOpen() const { return db_ != nullptr; }
    void close();
    void ensureOpen() const; // error 3420 once closed

    // `sql` is SQLite's dialect in UTF-8.
    Statement prepare(std::string_view sql);
    // Like prepare, but a statement SQLite cannot compile (SQLITE_ERROR: an
    // unknown column, a wrong shape) gives nothing; every other failure
    // (locked, out of memory, a damaged file) is thrown as usual.
    std::optional<Statement> tryPrepare(std::string_view sql);
    void exec(std::string_view sql);
    std::int64_t totalChanges() const;
    // Rows the last INSERT, UPDATE or DELETE changed itself, without those
    // its triggers changed (Currency's rounding).
    std::int64_t lastStatementChanges() const;
    std::int64_t lastInsertRowid() const;
    sqlite3* handle() const { return db_; }
    [[noreturn]] void fail(int rc) const;
    [[noreturn]] void failToPrepare(int rc) const;

    // Nested transactions, as savepoints. Depth 0 means autocommit. When a
    // failure made SQLite roll back the whole transaction, every statement
    // and every commit until the outermost level has ended fails with that
    // failure, and a rollback only ends its level.
    void begin();
    void commit();
    void rollback();
    int transactionDepth() const { return depth_; }

    // Changes whenever any connection creates, alters or drops a table, so
    // cached table descriptions know when to read the file again.
    std::int64_t schemaVersion();

  private:
    Connection(sqlite3* db, std::filesystem::path path) : db_(db), path_(std::move(path)) {}

    friend class Statement;
    [[noreturn]] void failStep(int rc);
    bool transactionLostBySqlite() const;
    void ensureTransactionKept() const;
    void endLostLevel();

    sqlite3* db_;
    std::filesystem::path path_;
    int depth_ = 0;
    std::optional<RuntimeError> lostBy_; // why SQLite rolled the transaction back
    friend class CheckedWrites;
    int checkedScopes_ = 0;
};

// CHECK constraints are tested only inside a CheckedWrites scope. The layer's
// own writes (AddNew, Edit, Update) have checked every value against its
// field's rules on assignment, which are exactly the CHECK constraints of the
// tables it makes, so SQLite need not test them again row by row; SQL
// statements, and writes to tables with CHECK constraints of other kinds,
// run in this scope. (SQLite fixes at prepare time whether a statement tests
// them; switching prepares the connection's statements again when next run.)
class CheckedWrites {
  public:
    explicit CheckedWrites(Connection& connection);
    ~CheckedWrites();
    CheckedWrites(const CheckedWrites&) = delete;
    CheckedWrites& operator=(const CheckedWrites&) = delete;

  private:
    Connection& connection_;
};

// A savepoint that rolls back unless committed: for work that must be all or
// nothing (a table with its constraints, SELECT ... INTO).
class ScopedTransaction {
  public:
    explicit ScopedTransaction(Connection& connection) : connection_(connection) {
        connection_.begin();
    }
    ~ScopedTransaction();
    void commit();

  private:
    Connection& connection_;
    bool done_ = false;
};

} // namespace fieldizer::db
