#include "shell/queries/query_rules.h"

#include "text_engine/display_path.h"

namespace fieldizer::queries {

std::vector<std::string> listedQueryNames(const std::vector<std::string>& savedNames,
                                          QueryMode mode) {
    std::vector<std::string> listed;
    if (mode == QueryMode::Define)
        return listed;
    for (const std::string& name : savedNames)
        if (name.empty() || name.front() != '~')
            listed.push_back(name);
    return listed;
}

std::string windowCaption(const std::filesystem::path& dbPath) {
    return "Queries - Current Database: " + displayPath(dbPath);
}

std::string savedQueryCaption(const std::string& name) {
    return "Query - " + name;
}

std::string typedQueryCaption(std::string_view sql) {
    return "Query - " + std::string(sql.substr(0, 32)) + "...";
}

std::optional<int> rowAfterRemoval(int removedIndex, int newCount) {
    if (newCount <= 0)
        return std::nullopt;
    return removedIndex >= newCount ? newCount - 1 : removedIndex;
}

std::string statementForBox(std::string_view stored) {
    std::string text;
    text.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\r') {
            text += '\n';
            if (i + 1 < stored.size() && stored[i + 1] == '\n')
                ++i;
        } else {
            text += stored[i];
        }
    }
    return text;
}

std::string statementFromBox(std::string_view boxText) {
    std::string text;
    text.reserve(boxText.size());
    for (char c : boxText) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    return text;
}

} // namespace fieldizer::queries
