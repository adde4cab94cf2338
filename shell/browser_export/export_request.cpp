#include "shell/browser_export/export_request.h"

#include "shell/queries/query_rules.h"
#include "text_engine/cp1252.h"
#include "text_engine/display_path.h"

#include <algorithm>
#include <string_view>

namespace fieldizer {
namespace {

constexpr std::string_view typedQueryName = "Query";

// A saved query's caption is the prefix and its name; a typed statement's
// ends in "..." after its first characters, which make no file name.
std::string queryName(const std::string& caption) {
    const std::string prefix = queries::savedQueryCaption({});
    if (!caption.starts_with(prefix) || caption.size() == prefix.size() || caption.ends_with("..."))
        return std::string(typedQueryName);
    return caption.substr(prefix.size());
}

// Separators and what Windows refuses in a name, and control characters.
bool unfitForFileName(char c) {
    return static_cast<unsigned char>(c) < 0x20 ||
           std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

} // namespace

std::filesystem::path csvFileName(BrowserKind kind, const BrowserSource& source) {
    std::string name = kind == BrowserKind::Table && !source.table.empty()
                           ? source.table
                           : queryName(source.caption);
    std::replace_if(name.begin(), name.end(), unfitForFileName, '_');
    if (name.starts_with('.'))
        name.insert(name.begin(), '_'); // never a hidden file, nor "." or ".."
    return std::filesystem::path(cp1252ToUtf8(name) + ".csv");
}

FileDialogRequest exportCsvRequest(BrowserKind kind, const BrowserSource& source,
                                   const std::filesystem::path& folder) {
    return {FileDialogRequest::Mode::Save, exportCsvTitle, csvFileFilter,
            folder / csvFileName(kind, source)};
}

Message csvWrittenMessage(std::uint64_t records, const std::filesystem::path& file) {
    return notice(csvExportMessages::written,
                  std::to_string(records) + " records exported to " + displayPath(file));
}

Message csvStoppedMessage(const std::filesystem::path& file) {
    return notice(csvExportMessages::stopped,
                  "Export stopped: nothing was written to " + displayPath(file));
}

} // namespace fieldizer
