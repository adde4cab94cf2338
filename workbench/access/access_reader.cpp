#include "workbench/access/access_reader.h"

#include "workbench/database_engine/engine_errors.h"

#include <cstring>
#include <filesystem>
#include <mdbtools.h>

namespace fieldizer::access {
namespace {

// Bound buffers are this large; libmdb cuts a longer Memo to it, so a value
// that fills its buffer is reported as cut.
constexpr std::size_t bindSize = 64 * 1024;
constexpr unsigned char primaryKeyIndex = 1;
constexpr unsigned char foreignKeyIndex = 2;

// A row's entry in its page's offset table: the offset, and flags above it.
constexpr int rowDeletedFlag = 0x8000;
constexpr int rowMovedFlag = 0x4000;
constexpr int rowOffsetMask = 0x1FFF;

// A row that grew too large for its page was moved: its place holds the
// page and row it went to. Brings that page into the page buffer and gives
// the row's place in it.
bool followMovedRow(MdbHandle* mdb, int& start, std::size_t& length) {
    long pageRow = mdb_get_int32(mdb->pg_buf, start);
    void* page = nullptr;
    int offset = 0;
    std::size_t size = 0;
    if (mdb_find_pg_row(mdb, int(pageRow), &page, &offset, &size) != 0 || !page)
        return false;
    if (page != mdb->pg_buf)
        std::memcpy(mdb->pg_buf, page, std::size_t(mdb->fmt->pg_size));
    start = offset;
    length = size;
    return true;
}

bool propertyIsYes(const MdbColumn* column, const char* key) {
    const char* value = mdb_col_get_prop(column, key);
    return value && std::strcmp(value, "yes") == 0;
}

// Whether libmdb hands this type over as text (into a bound buffer) rather
// than as the stored bytes.
bool readAsText(int type) {
    return type == mdbType::text || type == mdbType::memo || type == mdbType::replicationId ||
           type == mdbType::decimal;
}

AccessColumn describeColumn(const MdbColumn* column, bool unicodeFile) {
    AccessColumn out;
    out.name = column->name;
    out.type = column->col_type;
    // Access 2000 and later keep text as UTF-16: two bytes a character.
    bool text = column->col_type == mdbType::text;
    out.size = text && unicodeFile ? column->col_size / 2 : column->col_size;
    out.required = propertyIsYes(column, "Required");
    out.allowZeroLength = propertyIsYes(column, "AllowZeroLength");
    out.autoNumber = column->is_long_auto != 0;
    out.calculated = mdb_col_get_prop(column, "Expression") != nullptr;
    out.precision = column->col_prec;
    out.scale = column->col_scale;
    return out;
}

std::vector<AccessIndex> describeIndexes(MdbTableDef* table) {
    std::vector<AccessIndex> out;
    for (unsigned i = 0; i < table->num_idxs; ++i) {
        auto* index = static_cast<MdbIndex*>(g_ptr_array_index(table->indices, i));
        if (index->index_type == foreignKeyIndex)
            continue;
        AccessIndex described{index->name,
                              {},
                              index->index_type == primaryKeyIndex,
                              (index->flags & MDB_IDX_UNIQUE) != 0};
        for (unsigned k = 0; k < index->num_keys && k < MDB_MAX_IDX_COLS; ++k) {
            unsigned column = unsigned(index->key_col_num[k]) - 1;
            if (column < table->num_cols)
                described.columns.push_back(
                    static_cast<MdbColumn*>(g_ptr_array_index(table->columns, column))->name);
        }
        if (!described.columns.empty())
            out.push_back(std::move(described));
    }
    return out;
}

} // namespace

struct AccessTable::Impl {
    MdbTableDef* table = nullptr;
    std::filesystem::path path;
    std::vector<std::vector<char>> buffers; // text columns only
    std::vector<int> lengths;
    bool rereadPage = false; // a Memo read may leave another page in the buffer
    ~Impl() {
        if (table)
            mdb_free_tabledef(table);
    }
};

struct AccessFile::Impl {
    MdbHandle* handle = nullptr;
    ~Impl() {
        if (handle)
            mdb_close(handle);
    }
};

AccessTable::AccessTable(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {
    MdbTableDef* table = impl_->table;
    name_ = table->name;
    impl_->buffers.resize(table->num_cols);
    impl_->lengths.assign(table->num_cols, 0);
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        columns_.push_back(describeColumn(column, !IS_JET3(table->entry->mdb)));
        if (!readAsText(column->col_type) || columns_.back().calculated)
            continue;
        impl_->buffers[i].assign(bindSize, '\0');
        mdb_bind_column(table, int(i) + 1, impl_->buffers[i].data(), &impl_->lengths[i]);
        impl_->rereadPage = impl_->rereadPage || column->col_type == mdbType::memo;
    }
    if (mdb_read_indices(table))
        indexes_ = describeIndexes(table);
    mdb_rewind_table(table);
}

AccessTable::~AccessTable() = default;

std::uint64_t AccessTable::rowCountHint() const {
    return impl_->table->num_rows;
}

bool AccessTable::nextRow(std::vector<AccessCell>& cells) {
    MdbTableDef* table = impl_->table;
    MdbHandle* mdb = table->entry->mdb;
    int start = 0;
    std::size_t length = 0;
    // libmdb hands over some rows its page marks deleted (seen in the
    // catalogue of Access 2010 files); they are no rows of the table.
    do {
        if (!mdb_fetch_row(table))
            return false;
        // The row just bound is cur_row - 1 of the current data page; taking
        // it apart once more gives each field's null flag and stored bytes.
        if (impl_->rereadPage)
            mdb->cur_pg = 0; // libmdb would keep a page it thinks it holds
        if (impl_->rereadPage && mdb_read_pg(mdb, table->cur_phys_pg) <= 0)
            throw db::errors::unrecognizedDatabaseFormat(impl_->path);
        if (mdb_find_row(mdb, int(table->cur_row) - 1, &start, &length) != 0)
            throw db::errors::unrecognizedDatabaseFormat(impl_->path);
    } while (start & rowDeletedFlag);
    // Room for every column a row may hold, more than the table now has.
    std::vector<MdbField> fields(std::max<std::size_t>(table->num_cols, MDB_MAX_COLS) + 1);
    bool moved = (start & rowMovedFlag) != 0; // the row grew and lives elsewhere
    start &= rowOffsetMask;
    if (moved && !followMovedRow(mdb, start, length))
        throw db::errors::unrecognizedDatabaseFormat(impl_->path);
    // A row written before columns were added holds fewer: the rest are Null.
    int stored = mdb_crack_row(table, start, length, fields.data());
    if (stored < 0)
        throw db::errors::unrecognizedDatabaseFormat(impl_->path);
    cells.resize(table->num_cols);
    for (unsigned i = 0; i < table->num_cols; ++i) {
        AccessCell& cell = cells[i];
        const MdbField& field = fields[i];
        cell.isNull = int(i) >= stored || field.is_null != 0;
        cell.text.clear();
        cell.bytes.clear();
        if (!impl_->buffers[i].empty()) {
            cell.text.assign(impl_->buffers[i].data(), std::size_t(std::max(0, impl_->lengths[i])));
            cell.cut = cell.text.size() + 1 >= bindSize;
        }
        // Text is kept as stored too (inline in the row, UTF-16 from Access
        // 2000 on), for the characters libmdb's reading loses.
        bool storedText = columns_[i].type == mdbType::text && !IS_JET3(mdb);
        if ((impl_->buffers[i].empty() || storedText) && !cell.isNull && field.value &&
            field.siz > 0)
            cell.bytes.assign(static_cast<const char*>(field.value), std::size_t(field.siz));
    }
    // Put the data page back for the rows after this one.
    if (moved)
        mdb->cur_pg = 0;
    if (moved && mdb_read_pg(mdb, table->cur_phys_pg) <= 0)
        throw db::errors::unrecognizedDatabaseFormat(impl_->path);
    return true;
}

AccessFile::AccessFile(const std::filesystem::path& path)
    : impl_(std::make_unique<Impl>()), path_(path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw db::errors::couldNotFindFile(path);
    impl_->handle = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (!impl_->handle || !mdb_read_catalog(impl_->handle, MDB_ANY))
        throw db::errors::unrecognizedDatabaseFormat(path);
    // Dates and Yes/No are decoded from their bytes; these only keep
    // libmdb's own texts unambiguous where it prints them.
    mdb_set_boolean_fmt_numbers(impl_->handle);
}

AccessFile::~AccessFile() = default;

std::vector<std::string> AccessFile::userTables() const {
    std::vector<std::string> names;
    MdbHandle* mdb = impl_->handle;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
            names.emplace_back(entry->object_name);
    }
    return names;
}

std::unique_ptr<AccessTable> AccessFile::openTable(const std::string& name) const {
    MdbCatalogEntry* entry = mdb_get_catalogentry_by_name(impl_->handle, name.c_str());
    if (!entry)
        throw db::errors::inputTableOrQueryNotFound(name);
    auto impl = std::make_unique<AccessTable::Impl>();
    impl->path = path_;
    impl->table = mdb_read_table(entry);
    if (!impl->table || !mdb_read_columns(impl->table))
        throw db::errors::unrecognizedDatabaseFormat(path_);
    impl->table->noskip_del = 0; // deleted rows stay deleted
    return std::unique_ptr<AccessTable>(new AccessTable(std::move(impl)));
}

} // namespace fieldizer::access
