// Converting real Access files, checked against an independent reader
// (mdb-export, mdb-schema) and against the files themselves.
#include "expected_export.h"
#include "runtime_error_checks.h"
#include "scratch_folder.h"
#include "text_engine/cp1252.h"
#include "workbench/access/access_converter.h"
#include "workbench/access/access_field_types.h"
#include "workbench/access/access_values.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/workspace.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>

using namespace fieldizer;
using namespace fieldizer::testing;
namespace fs = std::filesystem;

namespace {

struct Converted {
    ScratchFolder folder;
    std::string target = folder.file("converted.db");
    access::ConversionReport report;
    std::shared_ptr<db::Database> database;

    explicit Converted(const std::string& accessFile) {
        PassObserver observer;
        report = access::convertAccessDatabase(accessTestFile(accessFile), target, observer);
        database = db::Workspace().openDatabase(target);
    }
};

long rowCount(db::Database& database, const std::string& table) {
    db::Recordset rows = database.openRecordset("SELECT Count(*) FROM [" + table + "]");
    return long(rows.value(0).integer());
}

// One value against the exported text of the same field.
void expectSameValue(const db::Value& ours, const ExportedField& theirs, const db::FieldDef& field,
                     const std::string& where) {
    namespace t = db::fieldType;
    if (!theirs.quoted && theirs.text.empty()) {
        EXPECT_TRUE(ours.isNull()) << where;
        return;
    }
    switch (field.type) {
    case t::text:
    case t::memo:
    case t::dateTime: // exported as YYYY-MM-DD HH:MM:SS, the engine's own form
        EXPECT_EQ(ours.text(), utf8ToCp1252(theirs.text)) << where;
        break;
    case t::yesNo:
        EXPECT_EQ(ours.integer() != 0, theirs.text != "0") << where;
        break;
    default: {
        double expected = std::stod(theirs.text);
        EXPECT_NEAR(ours.number(), expected, std::fabs(expected) * 1e-7 + 1e-9) << where;
    }
    }
}

void expectTableAsExported(db::Database& database, const std::string& table,
                           const std::string& exported) {
    std::vector<ExportedRow> expected = exportedRows(exported);
    ASSERT_GE(expected.size(), 2u) << exported;
    db::Recordset rows = database.openRecordset("SELECT * FROM [" + table + "]");
    std::size_t row = 1;
    for (; !rows.eof(); rows.moveNext(), ++row) {
        ASSERT_LT(row, expected.size()) << exported << ": more rows than exported";
        ASSERT_EQ(expected[row].size(), std::size_t(rows.fieldCount())) << exported;
        for (int i = 0; i < rows.fieldCount(); ++i)
            expectSameValue(rows.value(i), expected[row][std::size_t(i)], rows.fieldDefs()[i],
                            exported + " row " + std::to_string(row) + " " + expected[0][i].text);
    }
    EXPECT_EQ(row, expected.size()) << exported;
}

int typeOfAccessName(const std::string& name) {
    static const std::map<std::string, int> types{{"Text", db::fieldType::text},
                                                  {"Memo", db::fieldType::memo},
                                                  {"Byte", db::fieldType::byte},
                                                  {"Integer", db::fieldType::integer},
                                                  {"Long Integer", db::fieldType::longInteger},
                                                  {"Currency", db::fieldType::currency},
                                                  {"Single", db::fieldType::single},
                                                  {"Double", db::fieldType::doubleFloat},
                                                  {"DateTime", db::fieldType::dateTime},
                                                  {"Boolean", db::fieldType::yesNo}};
    auto found = types.find(name);
    return found == types.end() ? -1 : found->second;
}

const access::ConversionReport::Field* reported(const access::ConversionReport& report,
                                                const std::string& field) {
    for (const auto& f : report.fields)
        if (f.field == field)
            return &f;
    return nullptr;
}

} // namespace

TEST(AccessConversion, everyFileConvertsWithTheIndependentReadersRowCounts) {
    std::map<std::string, std::vector<ExpectedRowCount>> byFile;
    for (const ExpectedRowCount& count : expectedRowCounts())
        byFile[count.file].push_back(count);
    ASSERT_EQ(byFile.size(), 11u);
    for (const auto& [file, tables] : byFile) {
        Converted converted(file);
        ASSERT_EQ(converted.report.tables.size(), tables.size()) << file;
        for (std::size_t i = 0; i < tables.size(); ++i) {
            EXPECT_EQ(converted.report.tables[i].name, utf8ToCp1252(tables[i].table)) << file;
            EXPECT_EQ(converted.report.tables[i].rows, tables[i].rows) << file;
            EXPECT_EQ(rowCount(*converted.database, utf8ToCp1252(tables[i].table)),
                      long(tables[i].rows))
                << file << " " << tables[i].table;
        }
    }
}

TEST(AccessConversion, table1HoldsEveryValueTheIndependentReaderShows) {
    for (const char* file : {"testV1997.mdb", "testV2000.mdb", "testV2007.accdb"}) {
        Converted converted(file);
        expectTableAsExported(*converted.database, "Table1", std::string(file) + ".Table1.csv");
    }
}

TEST(AccessConversion, fieldsTakeTheTypesAndSizesOfTheFile) {
    for (const char* file : {"testV1997.mdb", "testV2000.mdb", "testV2007.accdb"}) {
        Converted converted(file);
        db::TableDef table = converted.database->tableDefs().item("Table1");
        std::vector<ExportedColumn> expected =
            exportedSchema(std::string(file) + ".Table1.schema.txt");
        ASSERT_EQ(int(expected.size()), table.fields().count()) << file;
        for (const ExportedColumn& column : expected) {
            const db::FieldDef& field = table.fields()[column.name];
            EXPECT_EQ(field.type, typeOfAccessName(column.type)) << file << " " << column.name;
            if (column.type == "Text") {
                EXPECT_EQ(field.size, column.size) << file << " " << column.name;
            }
        }
    }
}

TEST(AccessConversion, textFieldsKeepTheirZeroLengthRule) {
    std::map<std::string, std::unique_ptr<Converted>> converted;
    std::size_t refusing = 0, allowing = 0;
    for (const ExpectedZeroLengthRule& rule : expectedZeroLengthRules()) {
        auto& file = converted[rule.file];
        if (!file)
            file = std::make_unique<Converted>(rule.file);
        db::TableDef table = file->database->tableDefs().item(utf8ToCp1252(rule.table));
        const db::FieldDef& field = table.fields()[utf8ToCp1252(rule.field)];
        EXPECT_EQ(field.allowZeroLength, rule.allowed)
            << rule.file << " " << rule.table << "." << rule.field;
        refusing += !rule.allowed;
        allowing += rule.allowed;
    }
    EXPECT_GT(refusing, 0u); // both rules are seen
    EXPECT_GT(allowing, 0u);
}

TEST(AccessConversion, unicodeTextArrivesAsWindows1252AndTheRestIsCounted) {
    Converted converted("testUnicodeCompV2003.mdb");
    expectTableAsExported(*converted.database, "Table", "testUnicodeCompV2003.mdb.Table.csv");
    db::Recordset row =
        converted.database->openRecordset("SELECT [Unicode] FROM [Table] WHERE ID = 2");
    EXPECT_EQ(row.value(0).text(), "\xE4\xE4kk\xF6si\xE4"); // "ääkkösiä", byte for byte
    // Rows with characters Windows-1252 lacks (Cyrillic, Greek, Japanese, C1
    // controls), told from the exported text alone: they do not survive the
    // round trip.
    std::uint64_t lacking = 0;
    for (const ExportedRow& exported : exportedRows("testUnicodeCompV2003.mdb.Table.csv"))
        lacking += cp1252ToUtf8(utf8ToCp1252(exported[1].text)) != exported[1].text;
    const auto* unicode = reported(converted.report, "Unicode");
    ASSERT_NE(unicode, nullptr);
    EXPECT_EQ(unicode->table, "Table");
    EXPECT_GE(lacking, 3u);
    EXPECT_EQ(unicode->replaced, lacking);
    EXPECT_EQ(unicode->leftEmpty, 0u);
}

TEST(AccessConversion, aCharacterBeyondWindows1252IsOneQuestionMarkAndCounted) {
    // Each row holds, between two "a"s, the emoji whose code point is its key
    // (U+1F600 on): one character each, stored as two UTF-16 units.
    Converted converted("testEmoticonsV2010.accdb");
    db::Recordset rows = converted.database->openRecordset("SELECT [key], data FROM data");
    std::uint64_t count = 0;
    for (; !rows.eof(); rows.moveNext(), ++count) {
        EXPECT_GT(rows.value(0).integer(), 0xFFFF);
        EXPECT_EQ(rows.value(1).text(), "a?a");
    }
    EXPECT_EQ(count, 80u);
    const auto* data = reported(converted.report, "data");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->replaced, count);
}

TEST(AccessConversion, savedQueriesAreListedAndTheSelectQueryRuns) {
    Converted converted("queryTestV2003.mdb");
    std::vector<std::string> names;
    for (const auto& query : converted.report.queries)
        names.push_back(query.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"SelectQuery", "UpdateQuery", "AppendQuery", "DeleteQuery",
                                        "MakeTableQuery", "CrosstabQuery", "UnionQuery",
                                        "PassthroughQuery", "DataDefinitionQuery"}));
    for (const auto& query : converted.report.queries) {
        if (query.problem.empty()) {
            EXPECT_TRUE(converted.database->queryDefs().contains(query.name)) << query.name;
        }
    }
    ASSERT_TRUE(converted.database->queryDefs().contains("SelectQuery"));
    db::QueryDef select = converted.database->queryDefs().item("SelectQuery");
    EXPECT_TRUE(select.returnsRecords());
    db::Recordset rows = select.openRecordset();
    EXPECT_TRUE(rows.eof()); // the file's tables are empty
    // Table1.*, then Table2.col1, Table2.col2 and Table3.col3.
    EXPECT_EQ(rows.fieldCount(),
              converted.database->tableDefs().item("Table1").fields().count() + 3);
}

TEST(AccessConversion, theAccessFileIsOnlyRead) {
    ScratchFolder folder;
    std::string copy = folder.file("copy.accdb");
    fs::copy_file(accessTestFile("testV2007.accdb"), copy);
    auto stamp = fs::last_write_time(copy) - std::chrono::hours(24 * 400);
    fs::last_write_time(copy, stamp);
    std::string before = folder.read("copy.accdb");
    PassObserver observer;
    access::convertAccessDatabase(copy, folder.file("new.db"), observer);
    EXPECT_EQ(folder.read("copy.accdb"), before);
    EXPECT_EQ(fs::last_write_time(copy), stamp);
}

TEST(AccessConversion, damagedFilesGiveAClearErrorAndLeaveNoTarget) {
    ScratchFolder folder;
    std::ifstream in(accessTestFile("testV2000.mdb"), std::ios::binary);
    const std::string whole(std::istreambuf_iterator<char>(in), {});
    std::string random = whole.substr(0, 20);
    for (std::size_t i = 0; i < 64 * 1024; ++i)
        random += char((i * 2654435761u) >> 13);
    for (const std::string& damaged : {whole.substr(0, whole.size() / 3), random}) {
        std::string source = folder.write("damaged.mdb", damaged);
        PassObserver observer;
        EXPECT_RUNTIME_ERROR_NUMBER(
            access::convertAccessDatabase(source, folder.file("new.db"), observer),
            db::errors::unrecognizedFormat);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1)
            << "only the damaged file stays";
    }
}

TEST(AccessConversion, aHalfCopiedFileFailsWithWhatTheReaderFoundAndLeavesNothing) {
    std::set<std::string> files;
    for (const ExpectedRowCount& count : expectedRowCounts())
        files.insert(count.file);
    for (const std::string& file : files) {
        ScratchFolder folder;
        std::ifstream in(accessTestFile(file), std::ios::binary);
        const std::string whole(std::istreambuf_iterator<char>(in), {});
        std::string source = folder.write("half.mdb", whole.substr(0, whole.size() / 2));
        PassObserver observer;
        try {
            access::convertAccessDatabase(source, folder.file("new.db"), observer);
            ADD_FAILURE() << file << ": a file cut to half converted";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), db::errors::unrecognizedFormat) << file;
            EXPECT_NE(error.description().find("is beyond EOF"), std::string::npos)
                << file << ": " << error.description();
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1)
            << file << ": only the damaged file stays";
    }
}

TEST(AccessConversion, decimalFieldsArriveAsNumbersThatAddAndCompareAsNumbers) {
    Converted converted("fixedNumericTestV2000.mdb");
    expectTableAsExported(*converted.database, "test", "fixedNumericTestV2000.mdb.test.csv");
    std::vector<ExportedRow> exported = exportedRows("fixedNumericTestV2000.mdb.test.csv");
    db::TableDef table = converted.database->tableDefs().item("test");
    for (int i = 1; i < table.fields().count(); ++i) // col2 to col7 are Decimal
        EXPECT_FALSE(db::isTextType(table.fields()[i].type)) << table.fields()[i].name;
    // As texts, col2 + col5 would be joined ("14") and "4" < "10" be false.
    db::Recordset sum = converted.database->openRecordset(
        "SELECT col2 + col5 FROM test WHERE col5 < 10 AND col6 < col3");
    ASSERT_FALSE(sum.eof());
    EXPECT_TRUE(sum.value(0).isNumber());
    EXPECT_EQ(sum.value(0).number(),
              std::stod(exported[1][1].text) + std::stod(exported[1][4].text));
    EXPECT_TRUE(converted.report.fields.empty());
    EXPECT_NE(access::reportText(converted.report).find("Every value was copied."),
              std::string::npos);
}

TEST(AccessConversion, aDecimalGoesIntoANumberFieldAndRoundingIsCounted) {
    struct Case {
        int precision, scale;
        const char* digits;
        bool kept; // whether the nearest Double is the same number
    };
    for (const Case& c : std::vector<Case>{{9, 0, "-999999999", true},
                                           {12, 2, "9999999999.99", true},
                                           {15, 4, "-0.0001", true},
                                           {18, 0, "1234567890123456", true},
                                           {18, 0, "123456789012345678", false},
                                           {28, 10, "0.1000000000", true},
                                           {28, 10, "123456789012345678.0000000001", false}}) {
        access::AccessColumn column;
        column.name = "Amount";
        column.type = access::mdbType::decimal;
        column.precision = c.precision;
        column.scale = c.scale;
        db::FieldDef field = access::planField(column).field;
        std::string where = std::to_string(c.precision) + "," + std::to_string(c.scale);
        EXPECT_FALSE(db::isTextType(field.type)) << where;
        access::AccessCell cell;
        cell.isNull = false;
        cell.text = c.digits;
        access::CellValue value = access::cellValue(cell, column.type);
        EXPECT_EQ(value.outcome,
                  c.kept ? access::CellOutcome::Copied : access::CellOutcome::Rounded)
            << c.digits;
        db::Value stored = db::fitValueToField(value.value, field, "t");
        EXPECT_EQ(stored.number(), std::stod(c.digits)) << where << " " << c.digits;
    }
}

TEST(AccessConversion, fieldsItCannotCopyAreReportedAndLeftEmpty) {
    // Column types libmdb does not know; values Access calculates.
    for (const char* file : {"unsupportedFieldsTestV2007.accdb", "calcFieldTestV2010.accdb",
                             "complexDataTestV2010.accdb"}) {
        Converted converted(file);
        int leftEmpty = 0;
        for (const auto& field : converted.report.fields) {
            if (field.leftEmptyBecause.empty())
                continue;
            ++leftEmpty;
            db::Recordset filled = converted.database->openRecordset(
                "SELECT Count([" + field.field + "]) FROM [" + field.table + "]");
            EXPECT_EQ(filled.value(0).integer(), 0) << file << " " << field.field;
            EXPECT_NE(access::reportText(converted.report).find(field.table + "." + field.field),
                      std::string::npos);
        }
        EXPECT_GT(leftEmpty, 0) << file;
    }
}

TEST(AccessConversion, stopKeepsNothing) {
    struct StopAtOnce : PassObserver {
        bool stopRequested() const override { return true; }
    } observer;
    ScratchFolder folder;
    auto report = access::convertAccessDatabase(accessTestFile("testV2000.mdb"),
                                                folder.file("new.db"), observer);
    EXPECT_TRUE(report.stopped);
    for (const auto& left : fs::directory_iterator(folder.path()))
        ADD_FAILURE() << "left behind: " << left.path();
}

TEST(AccessConversion, progressRunsOverTheRowsAndNeverGoesBack) {
    struct Recorder : PassObserver {
        std::vector<std::uint64_t> totals, positions;
        void started(std::uint64_t total) override { totals.push_back(total); }
        void yield(std::uint64_t done) override { positions.push_back(done); }
    } observer;
    ScratchFolder folder;
    auto report = access::convertAccessDatabase(accessTestFile("testEmoticonsV2010.accdb"),
                                                folder.file("new.db"), observer);
    ASSERT_EQ(observer.totals, std::vector<std::uint64_t>{report.rows()});
    ASSERT_FALSE(observer.positions.empty());
    EXPECT_TRUE(std::is_sorted(observer.positions.begin(), observer.positions.end()));
    EXPECT_LE(observer.positions.back(), report.rows());
}

TEST(AccessConversion, anExistingTargetIsNeverOverwritten) {
    ScratchFolder folder;
    std::string target = folder.write("existing.db", "keep me");
    PassObserver observer;
    EXPECT_RUNTIME_ERROR(
        access::convertAccessDatabase(accessTestFile("testV2000.mdb"), target, observer),
        db::errors::databaseExists, "Database already exists.");
    EXPECT_EQ(folder.read("existing.db"), "keep me");
}
