#include "workbench/database_engine/connection.h"

#include "text_engine/cp1252.h"
#include "workbench/database_engine/database_file.h"
#include "workbench/database_engine/engine_errors.h"

#include <sqlite3.h>

namespace fieldizer::db {
namespace {

bool isAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// A statement that waited in vain for a writer to finish, as opposed to a
// write (transaction control counts as one: COMMIT and BEGIN IMMEDIATE wait
// for the write lock).
bool onlyReads(sqlite3_stmt* statement) {
    if (!sqlite3_stmt_readonly(statement))
        return false;
    std::string_view sql = sqlite3_sql(statement);
    for (std::string_view word : {"BEGIN", "COMMIT", "END", "ROLLBACK", "RELEASE", "SAVEPOINT"})
        if (sql.substr(0, word.size()) == word)
            return false;
    return true;
}

// Judges the file SQLite has open, through SQLite's own descriptor, while
// the caller holds a read lock: no writer is half-way through it then, so a
// header ahead of the file's length means damage, not a commit in progress.
void checkWholeFile(sqlite3* db, const std::filesystem::path& path) {
    sqlite3_file* file = nullptr;
    sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, &file);
    sqlite3_int64 size = 0;
    unsigned char header[100] = {};
    bool read = file && file->pMethods && file->pMethods->xFileSize(file, &size) == SQLITE_OK &&
                file->pMethods->xRead(file, header, sizeof header, 0) == SQLITE_OK;
    if (!read || !soundDatabaseHeader(header, std::uint64_t(size)))
        throw errors::unrecognizedDatabaseFormat(path);
}

// SQLite binds Null for a null pointer, and an empty string_view may have
// one: an empty value is the zero-length string, never Null.
const char* textPointer(std::string_view text) {
    return text.data() ? text.data() : "";
}

} // namespace

void StatementDeleter::operator()(sqlite3_stmt* statement) const noexcept {
    sqlite3_finalize(statement);
}

Statement::Statement(std::shared_ptr<Connection> connection, StatementHandle handle)
    : connection_(std::move(connection)), handle_(std::move(handle)) {}

void Statement::bind(int index, const Value& value) {
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(handle(), index);
    } else if (value.isInteger()) {
        rc = sqlite3_bind_int64(handle(), index, value.integer());
    } else if (value.isDouble()) {
        rc = sqlite3_bind_double(handle(), index, value.number());
    } else if (isAscii(value.text())) {
        // ASCII text is already UTF-8: SQLite copies it straight from the value.
        rc = sqlite3_bind_text64(handle(), index, value.text().data(), value.text().size(),
                                 SQLITE_TRANSIENT, SQLITE_UTF8);
    } else {
        std::string utf8 = cp1252ToUtf8(value.text());
        rc = sqlite3_bind_text64(handle(), index, utf8.data(), utf8.size(), SQLITE_TRANSIENT,
                                 SQLITE_UTF8);
    }
    if (rc != SQLITE_OK)
        connection_->fail(rc);
}

void Statement::bindBorrowed(int index, const Value& value) {
    if (!value.isText() || !isAscii(value.text()))
        return bind(index, value);
    int rc = sqlite3_bind_text64(handle(), index, value.text().data(), value.text().size(),
                                 SQLITE_STATIC, SQLITE_UTF8);
    if (rc != SQLITE_OK)
        connection_->fail(rc);
}

void Statement::bindUtf8(int index, std::string_view utf8) {
    int rc = sqlite3_bind_text64(handle(), index, textPointer(utf8), utf8.size(), SQLITE_TRANSIENT,
                                 SQLITE_UTF8);
    if (rc != SQLITE_OK)
        connection_->fail(rc);
}

void Statement::bindUtf8Borrowed(int index, std::string_view utf8) {
    int rc = sqlite3_bind_text64(handle(), index, textPointer(utf8), utf8.size(), SQLITE_STATIC,
                                 SQLITE_UTF8);
    if (rc != SQLITE_OK)
        connection_->fail(rc);
}

void Statement::bindNamed(std::string_view name, const Value& value) {
    int index = sqlite3_bind_parameter_index(handle(), std::string(name).c_str());
    if (index > 0)
        bind(index, value);
}

bool Statement::step() {
    connection_->ensureOpen();
    connection_->ensureTransactionKept();
    int rc = sqlite3_step(handle());
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(handle());
    if ((rc & 0xFF) == SQLITE_BUSY && onlyReads(handle()))
        throw errors::lockedForReading();
    connection_->failStep(rc);
}

void Statement::reset() {
    sqlite3_reset(handle());
    sqlite3_clear_bindings(handle());
}

void Statement::rewind() {
    sqlite3_reset(handle());
}

int Statement::columnCount() const {
    return sqlite3_column_count(handle());
}

Value Statement::column(int index) const {
    switch (sqlite3_column_type(handle(), index)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return Value(static_cast<long long>(sqlite3_column_int64(handle(), index)));
    case SQLITE_FLOAT:
        return Value(sqlite3_column_double(handle(), index));
    default:
        return Value(utf8ToCp1252(columnUtf8(index)));
    }
}

std::int64_t Statement::columnInteger(int index) const {
    return sqlite3_column_int64(handle(), index);
}

std::string Statement::columnUtf8(int index) const {
    auto text = reinterpret_cast<const char*>(sqlite3_column_text(handle(), index));
    return text ? std::string(text, sqlite3_column_bytes(handle(), index)) : std::string();
}

std::shared_ptr<Connection> Connection::open(const std::filesystem::path& path, bool create) {
    if (!create)
        checkDatabaseFile(path);
    sqlite3* db = nullptr;
    int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    std::shared_ptr<Connection> connection(new Connection(db, path));
    if (rc != SQLITE_OK)
        connection->fail(rc);
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 5000);
    // A larger page cache keeps a long transaction (thousands of AddNew and
    // Update) in memory until it commits instead of spilling pages early.
    connection->exec("PRAGMA cache_size = -32768");
    connection->exec("PRAGMA ignore_check_constraints = ON");
    // Reading the schema proves the file is a database SQLite can read;
    // damage further in shows up as error 3343 when it is reached. The read
    // lock, waited for while another process writes, lets the header be
    // judged on a file no one is changing.
    connection->exec("BEGIN");
    connection->exec("SELECT count(*) FROM sqlite_schema");
    if (!create)
        checkWholeFile(db, path);
    connection->exec("COMMIT");
    connection->exec("PRAGMA foreign_keys = ON");
    return connection;
}

Connection::~Connection() {
    close();
}

void Connection::close() {
    if (db_)
        sqlite3_close_v2(db_);
    db_ = nullptr;
}

void Connection::ensureOpen() const {
    if (!db_)
        throw errors::error(errors::objectInvalid);
}

void Connection::fail(int rc) const {
    throw errors::fromSqlite(db_, rc, path_);
}

// Some failures (a full disk, an I/O error, memory) make SQLite roll back
// the whole transaction, savepoints and all. The failure is kept as the
// reason the transaction was lost: ending its levels reports it again, and
// nothing runs meanwhile, which would otherwise be written on its own,
// outside the transaction the caller holds.
void Connection::failStep(int rc) {
    RuntimeError error = errors::fromSqlite(db_, rc, path_);
    if (transactionLostBySqlite() && !lostBy_)
        lostBy_ = error;
    throw error;
}

bool Connection::transactionLostBySqlite() const {
    return depth_ > 0 && db_ && sqlite3_get_autocommit(db_);
}

void Connection::ensureTransactionKept() const {
    if (lostBy_)
        throw *lostBy_;
}

// Ends one level of a transaction SQLite has already rolled back: there is
// nothing left to commit or roll back in the file.
void Connection::endLostLevel() {
    if (--depth_ == 0)
        lostBy_.reset();
}

Statement Connection::prepare(std::string_view sql) {
    ensureOpen();
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(db_, sql.data(), int(sql.size()), &statement, nullptr);
    StatementHandle handle(statement);
    if (rc != SQLITE_OK)
        failToPrepare(rc);
    return Statement(shared_from_this(), std::move(handle));
}

// Preparing touches the file only to read the tables' descriptions: a lock
// it waited for in vain was a read's, whatever the statement will do.
void Connection::failToPrepare(int rc) const {
    if ((rc & 0xFF) == SQLITE_BUSY)
        throw errors::lockedForReading();
    fail(rc);
}

std::optional<Statement> Connection::tryPrepare(std::string_view sql) {
    ensureOpen();
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(db_, sql.data(), int(sql.size()), &statement, nullptr);
    StatementHandle handle(statement);
    if (rc == SQLITE_ERROR)
        return std::nullopt;
    if (rc != SQLITE_OK)
        failToPrepare(rc);
    return Statement(shared_from_this(), std::move(handle));
}

void Connection::exec(std::string_view sql) {
    Statement statement = prepare(sql);
    while (statement.step()) {
    }
}

std::int64_t Connection::totalChanges() const {
    ensureOpen();
    return sqlite3_total_changes64(db_);
}

std::int64_t Connection::lastStatementChanges() const {
    ensureOpen();
    return sqlite3_changes64(db_);
}

std::int64_t Connection::lastInsertRowid() const {
    ensureOpen();
    return sqlite3_last_insert_rowid(db_);
}

// The outermost transaction is a real one that takes the write lock at once
// (BEGIN IMMEDIATE): a deferred one would ask for it at its first write, and
// SQLite cannot wait there for another writer without risking a deadlock, so
// it fails at once. Inner ones are savepoints. A read-only file takes no
// write lock.
void Connection::begin() {
    if (depth_ > 0)
        exec("SAVEPOINT fieldizer_" + std::to_string(depth_ + 1));
    else
        exec(sqlite3_db_readonly(db_, "main") == 1 ? "BEGIN" : "BEGIN IMMEDIATE");
    ++depth_;
}

void Connection::commit() {
    if (depth_ == 0)
        throw errors::error(errors::noTransaction);
    if (transactionLostBySqlite()) {
        RuntimeError lost = lostBy_.value_or(errors::error(errors::noTransaction));
        endLostLevel();
        throw lost;
    }
    exec(depth_ == 1 ? std::string("COMMIT") : "RELEASE fieldizer_" + std::to_string(depth_));
    --depth_;
}

void Connection::rollback() {
    if (depth_ == 0)
        throw errors::error(errors::noTransaction);
    if (transactionLostBySqlite()) {
        endLostLevel();
        return;
    }
    if (depth_ == 1) {
        exec("ROLLBACK");
    } else {
        std::string name = "fieldizer_" + std::to_string(depth_);
        exec("ROLLBACK TO " + name);
        exec("RELEASE " + name);
    }
    --depth_;
}

std::int64_t Connection::schemaVersion() {
    Statement statement = prepare("PRAGMA schema_version");
    return statement.step() ? statement.columnInteger(0) : 0;
}

CheckedWrites::CheckedWrites(Connection& connection) : connection_(connection) {
    if (connection_.checkedScopes_++ == 0)
        connection_.exec("PRAGMA ignore_check_constraints = OFF");
}

CheckedWrites::~CheckedWrites() {
    // A failure here leaves the checks on, which costs time but never lets a
    // wrong value in; a destructor has no one to report it to.
    if (--connection_.checkedScopes_ == 0 && connection_.db_)
        sqlite3_exec(connection_.db_, "PRAGMA ignore_check_constraints = ON", nullptr, nullptr,
                     nullptr);
}

ScopedTransaction::~ScopedTransaction() {
    if (!done_ && connection_.isOpen()) {
        try {
            connection_.rollback();
        } catch (...) {
            // The original error is the one worth reporting.
        }
    }
}

void ScopedTransaction::commit() {
    connection_.commit();
    done_ = true;
}

} // namespace fieldizer::db
