#include "workbench/access/conversion_report.h"

#include <algorithm>
#include <numeric>

namespace fieldizer::access {
namespace {

std::string count(std::uint64_t n, const std::string& one, const std::string& many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string fieldLines(const ConversionReport& report) {
    std::string out;
    for (const auto& f : report.fields) {
        std::string name = "  " + f.table + "." + f.field + ": ";
        if (!f.leftEmptyBecause.empty())
            out += name + count(f.leftEmpty, "value", "values") + " left empty, " +
                   f.leftEmptyBecause + "\n";
        else if (f.leftEmpty > 0)
            out += name + count(f.leftEmpty, "value", "values") +
                   " left empty, unreadable (or a Memo over 64 KiB)\n";
        if (f.replaced > 0)
            out += name + count(f.replaced, "value", "values") +
                   " with characters replaced by \"?\"\n";
        if (f.rounded > 0)
            out += name + count(f.rounded, "value", "values") +
                   " rounded to the nearest Double (more digits than it holds)\n";
    }
    return out;
}

} // namespace

std::uint64_t ConversionReport::rows() const {
    return std::accumulate(tables.begin(), tables.end(), std::uint64_t(0),
                           [](std::uint64_t sum, const Table& t) { return sum + t.rows; });
}

std::size_t ConversionReport::queriesCopied() const {
    return std::size_t(std::count_if(queries.begin(), queries.end(),
                                     [](const Query& q) { return q.problem.empty(); }));
}

std::string reportText(const ConversionReport& report) {
    if (report.stopped)
        return "Stopped: nothing was copied.\n";
    std::string out = count(report.tables.size(), "table", "tables") + " copied, " +
                      count(report.rows(), "row", "rows") + ".\n";
    for (const auto& t : report.tables)
        out += "  " + t.name + ": " + count(t.rows, "row", "rows") + "\n";
    out += std::to_string(report.queriesCopied()) + " of " +
           count(report.queries.size(), "saved query", "saved queries") + " copied.\n";
    for (const auto& q : report.queries)
        out += "  " + q.name + (q.problem.empty() ? "" : ": not copied, " + q.problem) + "\n";
    std::string fields = fieldLines(report);
    out +=
        fields.empty() ? "Every value was copied.\n" : "Values not copied as they were:\n" + fields;
    return out;
}

} // namespace fieldizer::access
