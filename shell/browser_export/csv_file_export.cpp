#include "shell/browser_export/csv_file_export.h"

#include "shell/text_files/output_file.h"
#include "workbench/csv_export.h"

#include <algorithm>

namespace fieldizer {
namespace {

class FileOutput final : public PassOutput {
  public:
    explicit FileOutput(files::OutputFile& file) : file_(file) {}
    void write(std::string_view bytes) override { file_.write(bytes); }

  private:
    files::OutputFile& file_;
};

// A forward-only reading does not know how many rows lie ahead; the shown
// dynaset does, and progress runs over that count.
class CountedProgress final : public PassObserver {
  public:
    CountedProgress(PassObserver& observer, std::uint64_t rows)
        : observer_(observer), rows_(rows) {}
    void started(std::uint64_t) override { observer_.started(rows_); }
    std::chrono::milliseconds yieldInterval() const override { return observer_.yieldInterval(); }
    void yield(std::uint64_t rowsWritten) override { observer_.yield(rowsWritten); }
    bool stopRequested() const override { return observer_.stopRequested(); }
    void finished() override { observer_.finished(); }

  private:
    PassObserver& observer_;
    std::uint64_t rows_;
};

} // namespace

CsvFileExport exportShownRows(db::Recordset& shown, const std::filesystem::path& file,
                              PassObserver& observer) {
    // The file is opened first: a path that cannot be written fails before
    // the rows are read.
    files::OutputFile target(file);
    FileOutput output(target);
    db::Recordset rows = shown.openRecordset(db::RecordsetType::ForwardOnly);
    CountedProgress progress(observer, std::uint64_t(std::max(0L, shown.recordCount())));
    const db::CsvExportResult result = db::exportCsv(rows, output, progress);
    if (result.stopped)
        return {result.rowsWritten, true}; // the temporary file goes with `target`
    target.commit();
    return {result.rowsWritten, false};
}

} // namespace fieldizer
