#include "columns/record_writer.h"

#include "columns/record_values.h"
#include "columns/save_messages.h"
#include "text_engine/database_error_numbers.h"
#include "text_engine/progress_pacer.h"
#include "text_engine/text_lines.h"

namespace fieldizer {

namespace {

// A value its field refuses is shown as the error report shows it, and the
// save goes on.
void reportRefusedValue(UserDialogs& dialogs, const RuntimeError& error) {
    const MessageId id = error.number() == db::errors::fieldTooSmall
                             ? saveMessages::id::valueRefused
                             : errorReportMessage;
    dialogs.tell(Message{id,
                         errorReportText(error),
                         errorReportTitle,
                         Buttons::Ok,
                         Icon::Information,
                         Answer::Ok,
                         {}});
}

enum class WarnAgain { Warn, DoNotWarn, Abort }; // "", "n", "nn"

class Writer {
  public:
    Writer(db::RowWriter& records, const SaveRequest& request, UserDialogs& dialogs)
        : records_(records), request_(request), dialogs_(dialogs),
          byDelimiter_(request.processMethod == parseByDelimiterMethod) {}

    // Writes the record of one line; false when the user chose to abort.
    bool writeLine(std::string_view line, SaveOutcome& outcome) {
        const std::size_t fieldCount = records_.fields().size();
        if (byDelimiter_)
            valuesByDelimiter(line, request_.delimiter, fieldCount, values_);
        else
            valuesByColumnSpecs(line, request_.specs, fieldCount, values_);
        for (std::size_t i = 0; i < values_.size(); ++i) {
            if (!writeValue(static_cast<int>(i), values_[i], outcome)) {
                records_.cancelRow();
                return false;
            }
        }
        records_.endRow();
        ++outcome.recordsStored;
        return true;
    }

  private:
    static Message yesNo(MessageId id, std::string text) {
        return question(id, std::move(text), Buttons::YesNo, Icon::Question, Answer::Yes);
    }

    // The size check: false when the user chose to abort the save.
    bool writeValue(int index, std::string_view value, SaveOutcome& outcome) {
        const db::FieldDef& field = records_.fields()[static_cast<std::size_t>(index)];
        // Only a Text field has a length limit; other types take the value's
        // meaning, not its length, and the engine judges that.
        const bool tooLong = field.type == db::fieldType::text &&
                             value.size() > static_cast<std::size_t>(field.size);
        if (tooLong && warnAgain_ != WarnAgain::DoNotWarn) {
            if (dialogs_.ask(yesNo(saveMessages::id::valueTooLarge,
                                   saveMessages::valueTooLarge(field.name))) != Answer::Yes) {
                warnAgain_ = WarnAgain::Abort;
                dialogs_.tell(notice(saveMessages::id::enlargeField, saveMessages::enlargeField));
                return false;
            }
            if (dialogs_.ask(yesNo(saveMessages::id::warnAgain, saveMessages::warnAgain)) !=
                Answer::Yes)
                warnAgain_ = WarnAgain::DoNotWarn;
            ++outcome.valuesLeftOut;
            return true;
        }
        try {
            records_.setText(index, value);
        } catch (const RuntimeError& error) {
            // The field stays empty and the save goes on with the next one;
            // the value is left out whatever the engine refused it for.
            ++outcome.valuesLeftOut;
            reportRefusedValue(dialogs_, error);
        }
        return true;
    }

    db::RowWriter& records_;
    const SaveRequest& request_;
    UserDialogs& dialogs_;
    bool byDelimiter_;
    std::vector<std::string_view> values_; // of the current line
    WarnAgain warnAgain_ = WarnAgain::Warn;
};

} // namespace

SaveOutcome writeRecords(db::RecordTarget& database, const std::string& table,
                         const SaveRequest& request, UserDialogs& dialogs, PassObserver& observer) {
    SaveOutcome outcome;
    outcome.tableName = table;
    const std::unique_ptr<db::RowWriter> opened = database.appendRows(table);
    db::RowWriter& records = *opened;
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
        records.flush();
    } catch (const RuntimeError& error) {
        // What was stored before the error stays: the rows still queued
        // before the failing one are written, the record being built is
        // dropped. An error among the queued rows came first and is the one
        // thrown. The caller reports it.
        RuntimeError first = error;
        records.cancelRow();
        try {
            records.flush();
        } catch (const RuntimeError& earlier) {
            first = earlier;
        }
        try {
            database.commitTrans();
        } catch (const RuntimeError&) {
            // A write that failed for want of space or by an I/O error may
            // have lost the transaction: its own error is the one to report.
        }
        observer.finished();
        throw first;
    } catch (...) {
        try {
            database.commitTrans();
        } catch (...) {
        }
        observer.finished();
        throw;
    }
    database.commitTrans();
    observer.finished();
    return outcome;
}

} // namespace fieldizer
