#include "columns/record_writer.h"

#include "columns/record_values.h"
#include "columns/save_messages.h"
#include "engine/database_error_numbers.h"
#include "engine/progress_pacer.h"
#include "engine/text_lines.h"

namespace fieldizer {

void reportError(UserDialogs& dialogs, const RuntimeError& error) {
    dialogs.tell(Message{
        errorReportText(error), errorReportTitle, Buttons::Ok, Icon::Information, Answer::Ok, {}});
}

namespace {

enum class WarnAgain { Warn, DoNotWarn, Abort }; // "", "n", "nn"

class Writer {
  public:
    Writer(db::Recordset& records, const SaveRequest& request, UserDialogs& dialogs)
        : records_(records), request_(request), dialogs_(dialogs),
          byDelimiter_(request.processMethod == parseByDelimiterMethod) {}

    // Writes the record of one line; false when the user chose to abort.
    bool writeLine(std::string_view line, SaveOutcome& outcome) {
        const auto fieldCount = static_cast<std::size_t>(records_.fieldCount());
        const auto values = byDelimiter_ ? valuesByDelimiter(line, request_.delimiter, fieldCount)
                                         : valuesByColumnSpecs(line, request_.specs, fieldCount);
        records_.addNew();
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!writeValue(static_cast<int>(i), values[i], outcome)) {
                records_.cancelUpdate();
                return false;
            }
        }
        records_.update();
        ++outcome.recordsStored;
        return true;
    }

  private:
    static Message yesNo(std::string text) {
        return question(std::move(text), Buttons::YesNo, Icon::Question, Answer::Yes);
    }

    // The size check: false when the user chose to abort the save.
    bool writeValue(int index, std::string_view value, SaveOutcome& outcome) {
        const db::FieldDef& field = records_.fieldDefs()[static_cast<std::size_t>(index)];
        // Only a Text field has a length limit; other types take the value's
        // meaning, not its length, and the engine judges that.
        const bool tooLong = field.type == db::fieldType::text &&
                             value.size() > static_cast<std::size_t>(field.size);
        if (tooLong && warnAgain_ != WarnAgain::DoNotWarn) {
            if (dialogs_.ask(yesNo(saveMessages::valueTooLarge(field.name))) != Answer::Yes) {
                warnAgain_ = WarnAgain::Abort;
                dialogs_.tell(notice(saveMessages::enlargeField));
                return false;
            }
            if (dialogs_.ask(yesNo(saveMessages::warnAgain)) != Answer::Yes)
                warnAgain_ = WarnAgain::DoNotWarn;
            ++outcome.valuesLeftOut;
            return true;
        }
        try {
            records_.setValue(index, db::Value(value));
        } catch (const RuntimeError& error) {
            // The field stays empty and the save goes on with the next one.
            if (error.number() == db::errors::fieldTooSmall)
                ++outcome.valuesLeftOut;
            reportError(dialogs_, error);
        }
        return true;
    }

    db::Recordset& records_;
    const SaveRequest& request_;
    UserDialogs& dialogs_;
    bool byDelimiter_;
    WarnAgain warnAgain_ = WarnAgain::Warn;
};

} // namespace

SaveOutcome writeRecords(db::Database& database, const std::string& table,
                         const SaveRequest& request, UserDialogs& dialogs, PassObserver& observer) {
    SaveOutcome outcome;
    outcome.tableName = table;
    db::Recordset records = database.openRecordset(table, db::RecordsetType::Table);
    Writer writer(records, request, dialogs);
    observer.started(request.text.size());
    ProgressPacer pacer(observer);
    LineCursor lines(request.text);
    database.beginTrans();
    try {
        while (!lines.atEnd()) {
            pacer.beforeStep(lines.position());
            if (!writer.writeLine(lines.next(), outcome)) {
                outcome.status = SaveStatus::Aborted;
                break;
            }
            if (!lines.atEnd() && observer.stopRequested()) {
                outcome.status = SaveStatus::Stopped;
                break;
            }
        }
    } catch (const RuntimeError& error) {
        // What was stored before the error stays; the record being built is
        // dropped.
        if (records.editMode() != db::EditMode::None)
            records.cancelUpdate();
        database.commitTrans();
        observer.finished();
        reportError(dialogs, error);
        outcome.status = SaveStatus::Failed;
        return outcome;
    } catch (...) {
        try {
            database.commitTrans();
        } catch (...) {
        }
        observer.finished();
        throw;
    }
    database.commitTrans();
    records.close();
    observer.finished();
    return outcome;
}

} // namespace fieldizer
