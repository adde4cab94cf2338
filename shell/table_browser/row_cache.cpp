#include "shell/table_browser/row_cache.h"

namespace fieldizer {

const db::Row* RowCache::find(long position) {
    auto it = index_.find(position);
    if (it == index_.end())
        return nullptr;
    order_.splice(order_.begin(), order_, it->second);
    return &it->second->second;
}

const db::Row& RowCache::put(long position, db::Row row) {
    erase(position);
    order_.emplace_front(position, std::move(row));
    index_[position] = order_.begin();
    if (order_.size() > capacity_) {
        index_.erase(order_.back().first);
        order_.pop_back();
    }
    return order_.front().second;
}

void RowCache::erase(long position) {
    auto it = index_.find(position);
    if (it == index_.end())
        return;
    order_.erase(it->second);
    index_.erase(it);
}

void RowCache::clear() {
    order_.clear();
    index_.clear();
}

} // namespace fieldizer
