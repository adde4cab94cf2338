#include "workbench/access/access_saved_queries.h"

#include "text_engine/cp1252.h"
#include "workbench/access/access_values.h"

#include <map>
#include <optional>

namespace fieldizer::access {
namespace {

constexpr int queryObjectType = 5;

// Column positions of a system table by name; -1 when absent.
class Columns {
  public:
    explicit Columns(const AccessTable& table) : table_(table) {}
    int operator[](const std::string& name) const {
        const auto& columns = table_.columns();
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (columns[i].name == name)
                return int(i);
        return -1;
    }

  private:
    const AccessTable& table_;
};

std::optional<std::int64_t> number(const std::vector<AccessCell>& cells, int index) {
    if (index < 0 || cells[std::size_t(index)].isNull)
        return std::nullopt;
    return storedInteger(cells[std::size_t(index)].bytes);
}

std::string text(const std::vector<AccessCell>& cells, int index) {
    if (index < 0 || cells[std::size_t(index)].isNull)
        return {};
    return utf8ToCp1252(cells[std::size_t(index)].text);
}

// Query names by object id.
std::vector<std::pair<std::int64_t, std::string>> queryObjects(const AccessFile& file) {
    std::vector<std::pair<std::int64_t, std::string>> queries;
    auto objects = file.openTable("MSysObjects");
    Columns column(*objects);
    int id = column["Id"], name = column["Name"], type = column["Type"];
    std::vector<AccessCell> cells;
    while (objects->nextRow(cells)) {
        std::string objectName = text(cells, name);
        if (number(cells, type) == queryObjectType && number(cells, id) &&
            !objectName.starts_with("~"))
            queries.emplace_back(*number(cells, id), objectName);
    }
    return queries;
}

std::map<std::int64_t, std::vector<QueryPart>> queryParts(const AccessFile& file) {
    std::map<std::int64_t, std::vector<QueryPart>> parts;
    auto catalogue = file.openTable("MSysQueries");
    Columns column(*catalogue);
    int id = column["ObjectId"], attribute = column["Attribute"], flag = column["Flag"];
    int name1 = column["Name1"], name2 = column["Name2"], expression = column["Expression"];
    std::vector<AccessCell> cells;
    while (catalogue->nextRow(cells)) {
        auto object = number(cells, id);
        if (!object)
            continue;
        auto flagValue = number(cells, flag);
        parts[*object].push_back({int(number(cells, attribute).value_or(0)), text(cells, name1),
                                  text(cells, name2), text(cells, expression),
                                  flagValue ? std::optional<int>(int(*flagValue)) : std::nullopt});
    }
    return parts;
}

} // namespace

std::vector<SavedAccessQuery> readSavedQueries(const AccessFile& file) {
    std::vector<SavedAccessQuery> saved;
    auto objects = queryObjects(file);
    if (objects.empty())
        return saved;
    auto parts = queryParts(file);
    for (auto& [id, name] : objects) {
        auto found = parts.find(id);
        saved.push_back(
            {std::move(name), found == parts.end() ? std::nullopt : queryText(found->second)});
    }
    return saved;
}

} // namespace fieldizer::access
