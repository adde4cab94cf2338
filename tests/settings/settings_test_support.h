#pragma once
// A program database in a temporary folder, and dialogs answered by script,
// for the Settings store's tests.

#include "columns/spec_table.h"
#include "engine/user_dialogs.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <deque>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace fieldizer::testing {

class ProgramDatabase {
  public:
    ProgramDatabase() {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() /
                  ("fieldizer-settings-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "fieldizer.mdb").string();
        db::createFieldizerDatabase(path_);
        database_ = db::Workspace().openDatabase(path_, db::ownConnectString);
    }
    ~ProgramDatabase() {
        database_->close();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ProgramDatabase(const ProgramDatabase&) = delete;
    ProgramDatabase& operator=(const ProgramDatabase&) = delete;

    db::Database& operator*() { return *database_; }
    db::Database* operator->() { return database_.get(); }
    const std::string& path() const { return path_; }

    // Closes and opens the file again, as the next run of the program would.
    void reopen() {
        database_->close();
        database_ = db::Workspace().openDatabase(path_, db::ownConnectString);
    }

    ColumnSpecs working() { return readColumnSpecs(*database_, db::specificationTable); }
    void setWorking(const ColumnSpecs& specs) {
        database_->execute("delete * from fieldize_settings");
        appendColumnSpecs(*database_, db::specificationTable, specs);
    }
    // Rebuilds fieldize_allFields without `dropped`, keeping its records, as
    // the table of a program made before that key existed.
    void dropSettingsField(const std::string& dropped) {
        const db::TableDef full = db::settingsTableDef();
        db::TableDef older(db::settingsTable);
        std::string fields;
        for (const db::FieldDef& field : full.fields()) {
            if (field.name == dropped)
                continue;
            older.fields().append(field);
            fields += (fields.empty() ? "" : ", ") + field.name;
        }
        database_->execute("select * into keep from fieldize_allFields");
        database_->tableDefs().remove(db::settingsTable);
        database_->tableDefs().append(older);
        database_->createIndex(db::settingsTable, db::settingsIndex, {"nameofsettings"});
        database_->execute("insert into fieldize_allFields (" + fields + ") select " + fields +
                           " from keep");
        database_->tableDefs().remove("keep");
    }

    long recordCount(const std::string& table) {
        db::Recordset rows = database_->openRecordset(table, db::RecordsetType::Table);
        long count = 0;
        for (; !rows.eof(); rows.moveNext())
            ++count;
        return count;
    }

  private:
    std::filesystem::path folder_;
    std::string path_;
    std::shared_ptr<db::Database> database_;
};

// Answers questions from a script (Yes when it runs out would hide a missed
// question, so an empty script fails the test) and keeps every message.
class ScriptedDialogs final : public UserDialogs {
  public:
    explicit ScriptedDialogs(std::deque<Answer> answers = {}) : answers_(std::move(answers)) {}

    Answer ask(const Message& question) override {
        questions.push_back(question);
        if (answers_.empty()) {
            unexpected = true;
            return question.defaultAnswer;
        }
        Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void tell(const Message& message) override { messages.push_back(message); }

    bool scriptUsedUp() const { return answers_.empty(); }

    std::vector<Message> questions;
    std::vector<Message> messages;
    bool unexpected = false;

  private:
    std::deque<Answer> answers_;
};

inline ColumnSpec spec(std::string heading, long start, long chars, long spaces, long width) {
    return ColumnSpec{std::move(heading), start, chars, spaces, width};
}

// Specs written out for comparison: "heading:start:chars:spaces:width" per
// row, "-" for a missing number, rows joined by "|".
inline std::string describe(const ColumnSpecs& specs) {
    auto number = [](const std::optional<long>& value) {
        return value ? std::to_string(*value) : std::string("-");
    };
    std::string text;
    for (const ColumnSpec& row : specs)
        text += (text.empty() ? "" : "|") + row.columnHeading + ":" +
                number(row.getDataFromColumn) + ":" + number(row.numberOfCharacters) + ":" +
                number(row.spacesB4NextColumn) + ":" + number(row.fieldWidth);
    return text;
}

} // namespace fieldizer::testing
