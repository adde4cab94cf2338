// A csvkit schema read in, then Save to Database over the report it
// describes: the stored values are csvkit's own conversion of the report.
// csvkit strips blanks from both ends of every value; Save to Database
// stores each value exactly as cut from the line ("Chicago Reader    ",
// "40  "), so the values are compared with their blanks at both ends
// removed, and nothing else.

#include "columns/save_to_database.h"
#include "columns/spec_import.h"
#include "program_database_fixture.h"
#include "scripted_dialogs.h"
#include "test_data.h"
#include "text_engine/csv_text.h"

#include <gtest/gtest.h>

namespace fieldizer::testing {
namespace {

// The report's LF line ends as the program's CR LF.
std::string withCrLf(const std::string& text) {
    std::string converted;
    for (char c : text) {
        if (c == '\n' && (converted.empty() || converted.back() != '\r'))
            converted += '\r';
        converted += c;
    }
    return converted;
}

std::string trimmed(const std::string& value) {
    const auto first = value.find_first_not_of(' ');
    return first == std::string::npos
               ? ""
               : value.substr(first, value.find_last_not_of(' ') - first + 1);
}

class SchemaSaveTest : public ::testing::Test {
  protected:
    std::vector<std::vector<std::string>> saveWith(const std::string& schema,
                                                   const std::string& report) {
        const std::string text = withCrLf(readTestData(report));
        SaveRequest request;
        request.text = text;
        request.tableName = "imported";
        request.processMethod = std::string(useColumnSpecsMethod);
        request.specs = importCsvkitSchema(readTestData(schema));
        ScriptedDialogs dialogs;
        PassObserver quiet;
        const SaveOutcome outcome = saveToDatabase(request, {&*db, db.path()}, dialogs, quiet);
        EXPECT_EQ(outcome.status, SaveStatus::Saved);
        EXPECT_EQ(outcome.valuesLeftOut, 0);
        return db.rows("imported");
    }
    ProgramDatabase db;
};

TEST_F(SchemaSaveTest, TestfixedGivesCsvkitsValues) {
    const auto stored = saveWith("testfixed_schema.csv", "testfixed");
    const std::vector<CsvRecord> expected = readCsvRecords(readTestData("testfixed_converted.csv"));
    ASSERT_EQ(stored.size() + 1, expected.size()) << "a header row, then one record a line";
    for (std::size_t row = 0; row < stored.size(); ++row) {
        ASSERT_EQ(stored[row].size(), expected[row + 1].fields.size());
        for (std::size_t field = 0; field < stored[row].size(); ++field)
            EXPECT_EQ(trimmed(stored[row][field]), expected[row + 1].fields[field])
                << "row " << row + 1 << ", field " << expected[0].fields[field];
    }
    EXPECT_EQ(stored[0][0], "Chicago Reader    ") << "we keep the blanks csvkit strips";
}

TEST_F(SchemaSaveTest, CensusGeographyGivesTheDocumentedValues) {
    const auto stored = saveWith("census2000_geo_schema.csv", "usgeo_excerpt.upl");
    ASSERT_EQ(stored.size(), 1000u);
    // FILEID, STUSAB, SUMLEV, LOGRECNO; NAME is field 62 and POP100 field 64
    // of the schema (1-based 201-290 and 293-301).
    const std::vector<CsvRecord> schema = readCsvRecords(readTestData("census2000_geo_schema.csv"));
    auto field = [&](const std::string& name) {
        for (std::size_t i = 1; i < schema.size(); ++i)
            if (schema[i].fields[0] == name)
                return i - 1;
        ADD_FAILURE() << name;
        return std::size_t(0);
    };
    EXPECT_EQ(stored[0][field("FILEID")], "uRHLSF");
    EXPECT_EQ(stored[0][field("LOGRECNO")], "0000001");
    EXPECT_EQ(trimmed(stored[0][field("NAME")]), "United States");
    EXPECT_EQ(stored[0][field("POP100")], "281421906");
    EXPECT_EQ(stored[1][field("STUSAB")], "##");
    EXPECT_EQ(trimmed(stored[999][field("NAME")]), "Redwood Valley Rancheria Reservation, CA");
    EXPECT_EQ(stored[999][field("INTPTLON")], "-123213794");
}

} // namespace
} // namespace fieldizer::testing
