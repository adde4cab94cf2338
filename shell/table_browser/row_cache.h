#pragma once
// The rows a browser showed last, by position: a view asks for the same
// row once per column and again on every repaint, while the dynaset reads
// a row from the file each time it becomes current. The cache holds a fixed
// number of rows, dropping the one used longest ago, so its memory does not
// grow with the table.

#include "workbench/database_engine/row_source.h"

#include <cstddef>
#include <list>
#include <unordered_map>
#include <utility>

namespace fieldizer {

class RowCache {
  public:
    explicit RowCache(std::size_t capacity = 512) : capacity_(capacity) {}

    // The row at `position` if held; it becomes the most recently used.
    const db::Row* find(long position);
    // Keeps `row` at `position`, dropping the least recently used beyond the
    // capacity. Returns the kept row.
    const db::Row& put(long position, db::Row row);
    void erase(long position);
    void clear();
    std::size_t size() const { return index_.size(); }

  private:
    using Entry = std::pair<long, db::Row>;
    std::size_t capacity_;
    std::list<Entry> order_; // most recently used first
    std::unordered_map<long, std::list<Entry>::iterator> index_;
};

} // namespace fieldizer
