#include "shell/find/find_session.h"

namespace fieldizer {

std::optional<FindAgainResult>
FindSession::findAgain(std::string_view text, std::string_view searchText, FindOptions options) {
    if (searchText.empty() || text.empty())
        return std::nullopt;
    const FindMatcher matcher(searchText, options);
    const std::size_t at = matcher.find(text, findPos_);
    const std::string quoted(searchText);
    if (at == std::string_view::npos) {
        // The next Find Again starts from the beginning again.
        const std::string message = findCount_ > 0 ? "No more occurances of " + quoted + " found."
                                                   : "No occurance of " + quoted + " found.";
        findPos_ = 0;
        return FindAgainResult{false, 0, 0, message,
                               findCount_ > 0 ? findMessageIds::noMore : findMessageIds::none};
    }
    findPos_ = at + 1;
    ++findCount_;
    return FindAgainResult{true, at, searchText.size(), {}};
}

std::optional<FindAllResult>
FindSession::findAll(std::string_view text, std::string_view searchText, FindOptions options) {
    reset();
    if (searchText.empty())
        return std::nullopt;
    FindAllResult result;
    result.occurrences = FindMatcher(searchText, options).findAll(text);
    findCount_ = result.occurrences.size();
    const std::string quoted(searchText);
    result.messageId = findCount_ == 0 ? findMessageIds::none : findMessageIds::count;
    if (findCount_ == 0)
        result.message = "No occurance of " + quoted + " was found.";
    else if (findCount_ == 1)
        result.message = "1 occurance of " + quoted + " found.";
    else
        result.message = std::to_string(findCount_) + " occurances of " + quoted + " found.";
    return result;
}

} // namespace fieldizer
