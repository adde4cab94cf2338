#pragma once
// The one matcher of the Find window. Find Again, the count of Find All and
// its colouring all ask it, so the count always equals the occurrences
// coloured. Occurrences may overlap ("aa" occurs twice in "aaa").

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer {

struct FindOptions {
    bool ignoreCase = true;
    bool wholeWord = true;
};

// Word characters are the ASCII letters alone; digits, underscore, spaces,
// line breaks, punctuation and every byte above 'z' separate words.
bool isWordCharacter(char c);

class FindMatcher {
  public:
    FindMatcher(std::string_view searchText, FindOptions options);

    // The 0-based position of the first accepted occurrence that starts at
    // or after `from`, or npos. With whole words, an occurrence at the start
    // or the end of the text needs no separator on that side.
    std::size_t find(std::string_view text, std::size_t from) const;

    // Every accepted occurrence, overlapping ones included.
    std::vector<std::size_t> findAll(std::string_view text) const;

    std::size_t length() const { return searchText_.size(); }

  private:
    std::size_t findRaw(std::string_view text, std::size_t from) const;
    bool isWholeWord(std::string_view text, std::size_t at) const;

    std::string searchText_; // folded to lower case when case is ignored
    FindOptions options_;
};

} // namespace fieldizer
