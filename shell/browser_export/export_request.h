#pragma once
// What "Export to CSV..." of a table browser asks and says: the save dialog,
// starting on a file named after what the browser shows, and the messages
// after the rows were written or Stop ended the export.

#include "shell/dialogs/file_dialogs.h"
#include "shell/table_browser/browser_messages.h"
#include "shell/table_browser/browser_source.h"
#include "text_engine/user_dialogs.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace fieldizer {

inline constexpr const char* exportCsvTitle = "Export to CSV";
inline constexpr const char* csvFileFilter = "CSV files (*.csv)|*.csv|All files (*.*)|*.*";

namespace csvExportMessages {
inline constexpr MessageId written{"csvExport.written"};
inline constexpr MessageId stopped{"csvExport.stopped"};
} // namespace csvExportMessages

// The file's name offered: the table's name, or a saved query's, with
// ".csv"; "Query.csv" for a typed statement. Characters no file name may
// hold become "_"; the name's Windows-1252 text is the file system's UTF-8.
std::filesystem::path csvFileName(BrowserKind kind, const BrowserSource& source);

// The save dialog, in `folder` (the current database's) on that name.
FileDialogRequest exportCsvRequest(BrowserKind kind, const BrowserSource& source,
                                   const std::filesystem::path& folder);

// "N records exported to FILE", as the save's closing count is told.
Message csvWrittenMessage(std::uint64_t records, const std::filesystem::path& file);
// Stop ended the export: the file is as it was before, or not there.
Message csvStoppedMessage(const std::filesystem::path& file);

} // namespace fieldizer
