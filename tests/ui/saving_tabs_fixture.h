#pragma once
// The Settings and Save to Database tabs in the running window: the tabs by
// number, the combos and boxes by name, a second database the user may
// choose, and the open-database flow played by the test.

#include "columns/column_spec.h"
#include "desktop_fixture.h"
#include "ui/text_box/cp1252_qstring.h"
#include "workbench/workspace.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

namespace fieldizer::testing {

class SavingTabsTest : public DesktopTest {
  protected:
    // The focus, which the tabs move, lives only in the active window.
    void SetUp() override {
        DesktopTest::SetUp();
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }

    enum Tab { FieldizeText = 6, Settings = 7, SaveToDatabase = 8 };

    void showTab(int tab) { manipulator().tabs()->setCurrentIndex(tab); }
    QComboBox* combo(const char* name) const { return find<QComboBox>(name); }
    void setCombo(const char* name, const std::string& text) {
        combo(name)->setEditText(ui::toQString(text));
    }
    std::string comboText(const char* name) const {
        return ui::fromQString(combo(name)->currentText());
    }
    std::vector<std::string> items(const char* name) const {
        std::vector<std::string> result;
        for (int i = 0; i < combo(name)->count(); ++i)
            result.push_back(ui::fromQString(combo(name)->itemText(i)));
        return result;
    }
    void setLine(const char* name, const std::string& text) {
        find<QLineEdit>(name)->setText(ui::toQString(text));
    }

    // A database of the user's beside the program's, holding `people`.
    std::string createOtherDatabase() {
        const std::string path = (folder_ / "other.mdb").string();
        auto other = db::Workspace().createDatabase(path);
        other->execute("create table people (name text(10), state text(2));");
        other->execute("insert into people values ('Ann', 'IA');");
        other->close();
        return path;
    }
    // What the open-database flow does once the user chose `path`.
    void makeCurrent(const std::string& path) {
        state_.dbPath = path;
        state_.database = db::Workspace().openDatabase(path);
        manipulator().databaseChanged();
    }
    bool ownDatabaseCurrent() const {
        return state_.dbPath == state_.homeDbPath && state_.database &&
               state_.database->name() == state_.homeDbPath;
    }
    std::vector<std::vector<std::string>> rowsOf(const std::string& path,
                                                 const std::string& table) {
        auto database = db::Workspace().openDatabase(path);
        std::vector<std::vector<std::string>> rows;
        db::Recordset records = database->openRecordset(table, db::RecordsetType::Table);
        for (; !records.eof(); records.moveNext()) {
            std::vector<std::string> row;
            for (int i = 0; i < records.fieldCount(); ++i)
                row.push_back(records.value(i).isNull() ? "<null>" : records.value(i).toText());
            rows.push_back(row);
        }
        records.close();
        database->close();
        return rows;
    }
    static ColumnSpec spec(std::string heading, long start, long chars, long width) {
        return ColumnSpec{std::move(heading), start, chars, 0, width};
    }
};

} // namespace fieldizer::testing
