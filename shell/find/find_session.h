#pragma once
// The state of the Find window between its clicks: where Find Again goes on
// from and how many occurrences it has found, with the messages it shows.

#include "shell/find/find_matcher.h"
#include "text_engine/user_dialogs.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace fieldizer {

namespace findMessageIds {
inline constexpr MessageId noMore{"find.noMore"};
inline constexpr MessageId none{"find.none"};
inline constexpr MessageId count{"find.count"};
} // namespace findMessageIds

struct FindAgainResult {
    bool found = false;
    std::size_t start = 0; // 0-based, when found
    std::size_t length = 0;
    std::string message; // the miss's message, when not found
    MessageId messageId{};
};

struct FindAllResult {
    std::vector<std::size_t> occurrences; // 0-based starts, the ones to colour
    std::string message;
    MessageId messageId{};
};

class FindSession {
  public:
    // A new search text, or "&Find": start from the beginning.
    void reset() { findPos_ = 0, findCount_ = 0; }

    // Fin&d Again. Nothing (no message) for an empty search text or target.
    std::optional<FindAgainResult> findAgain(std::string_view text, std::string_view searchText,
                                             FindOptions options);

    // Find &All; the position and count are reset first.
    std::optional<FindAllResult> findAll(std::string_view text, std::string_view searchText,
                                         FindOptions options);

    std::size_t findPos() const { return findPos_; }
    std::size_t findCount() const { return findCount_; }

  private:
    std::size_t findPos_ = 0; // 1-based position of the last occurrence found, 0 before
    std::size_t findCount_ = 0;
};

} // namespace fieldizer
