#pragma once
// The rowids of a keyset, in the keyset's order. Held in four bytes each
// while every rowid fits (tables filled here number their rows from 1), and
// in eight once one does not, so a dynaset on a table of any size holds as
// little as it can.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace fieldizer::db {

class KeyList {
  public:
    std::size_t size() const { return wide_ ? wideKeys_.size() : narrowKeys_.size(); }
    std::int64_t operator[](std::size_t index) const {
        return wide_ ? wideKeys_[index] : narrowKeys_[index];
    }
    void push_back(std::int64_t key);
    void erase(std::size_t index);
    // The index of the first `key`, if it is held.
    std::optional<std::size_t> find(std::int64_t key) const;
    // Gives back the room kept for further keys.
    void shrinkToFit();
    std::size_t bytesHeld() const;

  private:
    void widen();

    bool wide_ = false;
    std::vector<std::int32_t> narrowKeys_;
    std::vector<std::int64_t> wideKeys_;
};

} // namespace fieldizer::db
