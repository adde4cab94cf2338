#include "workbench/database_engine/key_list.h"

#include <algorithm>
#include <limits>

namespace fieldizer::db {
namespace {

bool fitsNarrow(std::int64_t key) {
    return key >= std::numeric_limits<std::int32_t>::min() &&
           key <= std::numeric_limits<std::int32_t>::max();
}

template <class Keys> std::optional<std::size_t> indexOf(const Keys& keys, std::int64_t key) {
    auto it = std::find(keys.begin(), keys.end(), key);
    if (it == keys.end())
        return std::nullopt;
    return std::size_t(it - keys.begin());
}

} // namespace

void KeyList::push_back(std::int64_t key) {
    if (!wide_ && !fitsNarrow(key))
        widen();
    if (wide_)
        wideKeys_.push_back(key);
    else
        narrowKeys_.push_back(std::int32_t(key));
}

void KeyList::widen() {
    wideKeys_.assign(narrowKeys_.begin(), narrowKeys_.end());
    narrowKeys_ = {};
    wide_ = true;
}

void KeyList::erase(std::size_t index) {
    if (wide_)
        wideKeys_.erase(wideKeys_.begin() + std::ptrdiff_t(index));
    else
        narrowKeys_.erase(narrowKeys_.begin() + std::ptrdiff_t(index));
}

std::optional<std::size_t> KeyList::find(std::int64_t key) const {
    if (wide_)
        return indexOf(wideKeys_, key);
    return fitsNarrow(key) ? indexOf(narrowKeys_, key) : std::nullopt;
}

void KeyList::shrinkToFit() {
    narrowKeys_.shrink_to_fit();
    wideKeys_.shrink_to_fit();
}

std::size_t KeyList::bytesHeld() const {
    return narrowKeys_.capacity() * sizeof(std::int32_t) +
           wideKeys_.capacity() * sizeof(std::int64_t);
}

} // namespace fieldizer::db
