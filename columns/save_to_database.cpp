#include "columns/save_to_database.h"

#include "columns/laid_out_text.h"
#include "columns/record_writer.h"
#include "columns/save_messages.h"
#include "columns/spec_table_def.h"
#include "text_engine/display_path.h"

#include <optional>

namespace fieldizer {
namespace {

struct Refusal {
    MessageId id;
    std::string message;
    Focus focus;
};

// The checks made before anything is touched, in their order.
std::optional<Refusal> checkRequest(const SaveRequest& request, const SaveTarget& target) {
    namespace id = saveMessages::id;
    const Focus tableName = Focus::on(InputField::TableName);
    if (request.text.empty())
        return Refusal{id::nothingToSave, saveMessages::nothingToSave, {}};
    if (request.tableName.empty())
        return Refusal{id::noTableName, saveMessages::noTableName, tableName};
    // Writing there would destroy saved Settings or the database's own
    // bookkeeping.
    if (isProgramTable(request.tableName))
        return Refusal{id::programTable, saveMessages::programTable(request.tableName), tableName};
    // A method other than the two list items would write nothing at all.
    if (request.processMethod != parseByDelimiterMethod &&
        request.processMethod != useColumnSpecsMethod)
        return Refusal{id::noProcessMethod, saveMessages::noProcessMethod,
                       Focus::onKey("databaseProcessMethod")};
    if (request.processMethod == parseByDelimiterMethod && request.delimiter.empty())
        return Refusal{id::noDelimiter, saveMessages::noDelimiter,
                       Focus::onKey("databaseDelimiter")};
    if (target.database == nullptr || target.dbPath.empty())
        return Refusal{id::noDatabase, saveMessages::noDatabase,
                       Focus::on(InputField::DatabaseChoice)};
    return std::nullopt;
}

// The table as the database spells it, found without regard to case.
void createTable(db::RecordTarget& database, const std::string& name, const ColumnSpecs& specs) {
    database.createTable(specTableDef(name, specs));
}

// Commits what was written before a failure; the failure's own error is the
// one to report, so an error of the commit itself is dropped (the guard then
// rolls back).
void commitKeepingTheFirstError(db::TargetTransaction& transaction) {
    try {
        transaction.commit();
    } catch (const RuntimeError&) {
    }
}

enum class Existing { Keep, Empty, Cancel };

// Asks whether to add to the records of an existing table; No means empty
// it first.
Existing keepOrEmpty(std::string text, UserDialogs& dialogs) {
    switch (dialogs.ask(question(saveMessages::id::addToRecords, std::move(text),
                                 Buttons::YesNoCancel, Icon::Question, Answer::Yes))) {
    case Answer::Cancel:
        return Existing::Cancel;
    case Answer::No:
        return Existing::Empty;
    default:
        return Existing::Keep;
    }
}

// Says what a save that ended by a failure or an abort left in the table.
void tellWhatStays(UserDialogs& dialogs, const std::string& table, bool replacing) {
    namespace id = saveMessages::id;
    dialogs.tell(replacing
                     ? notice(id::oldRecordsKept, saveMessages::oldRecordsKept(table))
                     : notice(id::earlierRecordsKept, saveMessages::earlierRecordsKept(table)));
}

// The emptying and the new records are one transaction: a table is never
// left empty by a failure, an abort or a kill. A replace that does not
// finish puts the old records back; when appending, the records stored
// before the failure stay.
SaveOutcome emptyAndWrite(db::RecordTarget& database, const std::string& table, bool replacing,
                          const SaveRequest& request, UserDialogs& dialogs,
                          PassObserver& observer) {
    db::TargetTransaction transaction(database);
    if (replacing)
        database.emptyTable(table);
    SaveOutcome outcome;
    try {
        outcome = writeRecords(database, table, request, dialogs, observer);
    } catch (const RuntimeError&) {
        // A database that lost the whole transaction keeps only what the
        // table had before, as a replace does.
        const bool keepsEarlier = !replacing && database.keepsRowsBeforeAFailure();
        if (keepsEarlier)
            commitKeepingTheFirstError(transaction);
        tellWhatStays(dialogs, table, !keepsEarlier);
        throw;
    }
    if (outcome.status == SaveStatus::Aborted) {
        tellWhatStays(dialogs, table, replacing);
        if (replacing) {
            outcome.recordsStored = 0;
            outcome.valuesLeftOut = 0;
            return outcome; // the guard rolls back to the records the table had
        }
    }
    transaction.commit();
    return outcome;
}

SaveOutcome refused(UserDialogs& dialogs, const Refusal& refusal) {
    dialogs.tell(notice(refusal.id, refusal.message, refusal.focus));
    SaveOutcome outcome;
    outcome.status = SaveStatus::Refused;
    outcome.focus = refusal.focus;
    return outcome;
}

SaveOutcome cancelled() {
    SaveOutcome outcome;
    outcome.status = SaveStatus::Cancelled;
    return outcome;
}

// The text Fieldize laid out begins with its heading line; cut at the
// original positions it would give shifted values and a record of headings.
// The user says which positions count. Nothing when the text is no such text
// or the user cancels (`cancelled` set).
std::optional<SaveRequest> laidOutRequest(const SaveRequest& request, UserDialogs& dialogs,
                                          bool& cancelled) {
    if (request.processMethod != useColumnSpecsMethod)
        return std::nullopt;
    std::optional<LaidOutText> laidOut = asLaidOut(request.text, request.specs);
    if (!laidOut)
        return std::nullopt;
    const Answer answer = dialogs.ask(question(saveMessages::id::laidOut, saveMessages::laidOut,
                                               Buttons::YesNoCancel, Icon::Question, Answer::Yes));
    cancelled = answer == Answer::Cancel;
    if (answer != Answer::Yes)
        return std::nullopt;
    SaveRequest asLaidOut = request;
    asLaidOut.text = laidOut->lines;
    asLaidOut.specs = std::move(laidOut->specs);
    return asLaidOut;
}

// Finds or creates the table, asks about its records, and writes them.
SaveOutcome writeIntoTable(const SaveRequest& request, const SaveTarget& target,
                           UserDialogs& dialogs, PassObserver& observer) {
    const bool createsTable = request.option != SaveOption::ChosenDatabaseTable;
    db::RecordTarget& database = *target.database;
    std::optional<std::string> table = database.findTable(request.tableName);
    Existing existing = Existing::Keep;
    if (createsTable && table) {
        existing = keepOrEmpty(
            saveMessages::tableAlreadyIn(request.tableName, displayPath(target.dbPath)), dialogs);
    } else if (createsTable) {
        createTable(database, request.tableName, request.specs);
        table = database.findTable(request.tableName);
    } else if (!table) {
        return refused(dialogs, Refusal{saveMessages::id::tableNotIn,
                                        saveMessages::tableNotIn(request.tableName,
                                                                 displayPath(target.dbPath)),
                                        Focus::on(InputField::TableName)});
    } else {
        existing = keepOrEmpty(saveMessages::addToRecords, dialogs);
    }
    if (existing == Existing::Cancel)
        return cancelled();
    return emptyAndWrite(database, *table, existing == Existing::Empty, request, dialogs, observer);
}

} // namespace

SaveOutcome saveToDatabase(const SaveRequest& request, const SaveTarget& target,
                           UserDialogs& dialogs, PassObserver& observer) {
    if (auto refusal = checkRequest(request, target))
        return refused(dialogs, *refusal);
    const bool createsTable = request.option != SaveOption::ChosenDatabaseTable;
    // The specifications name the fields of a new table, and cut the lines
    // for the column-spec method; without them nothing sensible can be
    // written.
    if ((createsTable || request.processMethod == useColumnSpecsMethod) && request.specs.empty())
        return refused(dialogs,
                       Refusal{saveMessages::id::noColumnSpecs, saveMessages::noColumnSpecs, {}});
    bool cancelledByUser = false;
    const std::optional<SaveRequest> laidOut = laidOutRequest(request, dialogs, cancelledByUser);
    if (cancelledByUser)
        return cancelled();
    return writeIntoTable(laidOut ? *laidOut : request, target, dialogs, observer);
}

} // namespace fieldizer
