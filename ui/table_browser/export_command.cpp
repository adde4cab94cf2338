// "E&xport to CSV...": the rows shown, with the filter and sort in force,
// written to a file the user names, with the frame's progress and Stop.
// What is asked and said, and the writing itself, are shell/browser_export's.

#include "shell/browser_export/csv_file_export.h"
#include "shell/browser_export/export_request.h"
#include "shell/dialogs/error_report.h"
#include "ui/table_browser/dynaset_model.h"
#include "ui/table_browser/table_browser.h"

namespace fieldizer::ui {

void TableBrowser::exportCsvCommand() {
    if (!model_->recordset())
        return;
    const std::filesystem::path file =
        files_.chooseFile(exportCsvRequest(kind_, source_, state_.dbPath.parent_path()));
    if (file.empty())
        return;
    // What the database holds is written: a row being typed is stored first,
    // after the usual question.
    model_->commitPendingRow();
    CsvFileExport result;
    const LongWork work = [&](PassObserver& observer) {
        result = exportShownRows(*model_->recordset(), file, observer);
    };
    try {
        if (runLongWork) {
            runLongWork(work);
        } else {
            PassObserver plain;
            work(plain);
        }
    } catch (const RuntimeError& error) {
        return handleError(dialogs_, error);
    }
    dialogs_.tell(result.stopped ? csvStoppedMessage(file)
                                 : csvWrittenMessage(result.records, file));
}

} // namespace fieldizer::ui
