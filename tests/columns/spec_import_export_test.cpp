#include "columns/spec_export.h"
#include "columns/spec_import.h"
#include "runtime_error_checks.h"
#include "test_data.h"
#include "text_engine/database_error_numbers.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

ColumnSpec column(std::string heading, long start, long chars, long spaces = 1, long width = 0) {
    return ColumnSpec{std::move(heading), start, chars, spaces, width ? width : chars};
}

bool samePlaces(const ColumnSpecs& a, const ColumnSpecs& b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].columnHeading != b[i].columnHeading ||
            a[i].getDataFromColumn != b[i].getDataFromColumn ||
            a[i].numberOfCharacters != b[i].numberOfCharacters)
            return false;
    return true;
}

TEST(CsvkitSchema, ZeroBasedStartsUnlessTheFirstIsOne) {
    // testfixed's schema counts from 0: its first field "text,0,18" is 1-18.
    const ColumnSpecs fixed = importCsvkitSchema(testing::readTestData("testfixed_schema.csv"));
    ASSERT_EQ(fixed.size(), 8u);
    EXPECT_EQ(fixed[0].columnHeading, "text");
    EXPECT_EQ(fixed[0].getDataFromColumn, 1);
    EXPECT_EQ(fixed[2].getDataFromColumn, 30) << "integer,29,4";
    EXPECT_EQ(fixed[7].numberOfCharacters, 2) << "empty_column,77,2";
    // The census schema's first row is FILEID,1,6: every start counts from 1.
    const ColumnSpecs census =
        importCsvkitSchema(testing::readTestData("census2000_geo_schema.csv"));
    ASSERT_EQ(census.size(), 83u);
    EXPECT_EQ(census[3].columnHeading, "GEOCOMP");
    EXPECT_EQ(census[3].getDataFromColumn, 12);
    EXPECT_EQ(census.back().getDataFromColumn, 394) << "RESERVED,394,7";
}

TEST(CsvkitSchema, ColumnsInAnyOrderAndQuotedCellsOverSeveralLines) {
    // The determination schema ends its lines with a lone CR, has extra
    // columns and quoted meanings that span lines.
    const ColumnSpecs specs = importCsvkitSchema(testing::readTestData("determination_schema.csv"));
    ASSERT_EQ(specs.size(), 21u);
    EXPECT_EQ(specs[4].columnHeading, "RT");
    EXPECT_EQ(specs[4].getDataFromColumn, 13);
    EXPECT_EQ(specs.back().columnHeading, "RACEGP");
    EXPECT_EQ(specs.back().numberOfCharacters, 29);
    EXPECT_TRUE(samePlaces(importCsvkitSchema("length,column,start\n4,b,5\n4,a,0\n"),
                           {column("b", 6, 4), column("a", 1, 4)}))
        << "the first row's start decides, whatever the order of rows";
}

TEST(CsvkitSchema, ImportedColumnsGetOneSpaceAndTheirOwnWidth) {
    const ColumnSpec spec = importCsvkitSchema("column,start,length\nname,0,30\n").front();
    EXPECT_EQ(spec.spacesB4NextColumn, 1);
    EXPECT_EQ(spec.fieldWidth, 30);
}

TEST(CsvkitSchema, MalformedSchemasNameTheirLine) {
    const int number = db::errors::externalFormat;
    EXPECT_RUNTIME_ERROR(importCsvkitSchema("name,0,30\n"), number,
                         "Line 1: the schema's first row must name the columns column, start and "
                         "length.");
    EXPECT_RUNTIME_ERROR(importCsvkitSchema("column,start,length\na,0,3\nb,-4,2\n"), number,
                         "Line 3: the start -4 is negative.");
    EXPECT_RUNTIME_ERROR(importCsvkitSchema("column,start,length\na,0,3\n\nb,x,2\n"), number,
                         "Line 4: the start is not a whole number.");
    EXPECT_RUNTIME_ERROR(importCsvkitSchema("column,start,length\na,0,0\n"), number,
                         "Line 2: the length 0 is below 1.");
    EXPECT_RUNTIME_ERROR(importCsvkitSchema("column,start,length\na,0,5\nb,10,2\nc,4,3\n"), number,
                         "Line 4: column c overlaps column a.");
    EXPECT_RUNTIME_ERROR(importCsvkitSchema("column,start,length\n"), number,
                         "Line 1: the schema names no columns.");
    EXPECT_RUNTIME_ERROR(importCsvkitSchema("column,start,length\n\"a,0,3\n"), number,
                         "Line 2: a quoted field is not closed.");
}

TEST(CsvkitSchema, RoundTripsThroughItsExport) {
    for (const char* file : {"testfixed_schema.csv", "census2000_geo_schema.csv"}) {
        const ColumnSpecs specs = importCsvkitSchema(testing::readTestData(file));
        EXPECT_TRUE(samePlaces(importCsvkitSchema(exportCsvkitSchema(specs)), specs)) << file;
    }
    // csvkit's own form counts from 0.
    EXPECT_EQ(exportCsvkitSchema({column("a, b", 1, 3), column("c", 5, 2)}),
              "column,start,length\n\"a, b\",0,3\nc,4,2\n");
}

TEST(CsvkitSchema, AFirstColumnAtPositionTwoCannotBeWritten) {
    EXPECT_RUNTIME_ERROR_NUMBER(exportCsvkitSchema({column("a", 2, 3)}), errors::invalidCall);
}

TEST(FieldWidths, WidthsAndSkips) {
    EXPECT_TRUE(
        samePlaces(importFieldWidths("2 4 1:3\n"),
                   {column("Column1", 1, 2), column("Column2", 3, 4), column("Column3", 8, 3)}));
    EXPECT_TRUE(samePlaces(importFieldWidths("FIELDWIDTHS = \"3 2:1\""),
                           {column("Column1", 1, 3), column("Column2", 6, 1)}));
    EXPECT_EQ(exportFieldWidths({column("a", 1, 2), column("b", 3, 4), column("c", 8, 3)}),
              "2 4 1:3\n");
}

TEST(FieldWidths, RoundTripsTheRealSchemas) {
    const ColumnSpecs census =
        importCsvkitSchema(testing::readTestData("census2000_geo_schema.csv"));
    const ColumnSpecs back = importFieldWidths(exportFieldWidths(census));
    ASSERT_EQ(back.size(), census.size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        EXPECT_EQ(back[i].getDataFromColumn, census[i].getDataFromColumn) << i;
        EXPECT_EQ(back[i].numberOfCharacters, census[i].numberOfCharacters) << i;
    }
    // testfixed's positions 29 and 50 belong to no field: they come back as skips.
    const std::string widths =
        exportFieldWidths(importCsvkitSchema(testing::readTestData("testfixed_schema.csv")));
    EXPECT_EQ(widths, "18 10 1:4 5 11 1:8 19 2\n");
}

TEST(FieldWidths, MalformedLinesAndLayoutsItCannotHold) {
    EXPECT_RUNTIME_ERROR(importFieldWidths("2 4 *"), db::errors::externalFormat,
                         "Line 1: '*' is neither a width nor skip:width (a \"*\" has no width).");
    EXPECT_RUNTIME_ERROR(importFieldWidths("2 -1:3"), db::errors::externalFormat,
                         "Line 1: '-1:3' is neither a width nor skip:width (a \"*\" has no "
                         "width).");
    EXPECT_RUNTIME_ERROR_NUMBER(importFieldWidths("  "), db::errors::externalFormat);
    EXPECT_RUNTIME_ERROR(exportFieldWidths({column("a", 5, 2), column("b", 3, 1)}),
                         errors::invalidCall,
                         "Row 2: FIELDWIDTHS holds columns left to right that share no "
                         "position; this one starts at 3, before position 7.");
}

TEST(ColumnLines, ReadBackWhatIsWritten) {
    const ColumnSpecs specs{column("Name: first", 1, 10, 2, 20), column("St", 21, 2, 0, 2)};
    const std::string lines = exportColumnLines(specs);
    EXPECT_EQ(lines, "--column=Name: first:1:10:2:20\n--column=St:21:2:0:2\n");
    const ColumnSpecs back = importColumnLines(lines);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].spacesB4NextColumn, 2);
    EXPECT_EQ(back[0].fieldWidth, 20);
    EXPECT_TRUE(samePlaces(back, specs));
    EXPECT_TRUE(samePlaces(importColumnLines("\r\n--column St:21:2:0:2\r\nSt:21:2:0:2"),
                           {specs[1], specs[1]}));
    EXPECT_RUNTIME_ERROR(importColumnLines("A:1:2:1:2\n\nB:1:2\n"), db::errors::externalFormat,
                         "Line 3: 'B:1:2' is not HEADING:START:CHARS:SPACES:WIDTH.");
}

TEST(LayoutFiles, TheEndingDecidesAndThenTheText) {
    EXPECT_EQ(specFormatOfFile("daily.csv", "--column=A:1:2:1:2"), SpecFormat::Csvkit);
    // Bare SPEC lines are known by their ending alone.
    EXPECT_EQ(specFormatOfFile("daily.columns", "A:1:2:1:2\n"), SpecFormat::ColumnLines);
    EXPECT_EQ(specFormatOfFile("daily.txt", "--column=A:1:2:1:2\n"), SpecFormat::ColumnLines);
    EXPECT_EQ(specFormatOfFile("daily.txt", "FIELDWIDTHS = \"2 4\""), SpecFormat::FieldWidths);
    EXPECT_EQ(specFormatOfFile("", "2 4"), SpecFormat::FieldWidths);
}

TEST(CreateTable, IsTheStatementTheSaveRuns) {
    const std::string sql =
        exportSpecs({column("Name", 1, 10, 1, 20)}, SpecFormat::CreateTable, "people");
    EXPECT_EQ(sql.rfind("CREATE TABLE \"people\" (", 0), 0u) << sql;
    EXPECT_NE(sql.find("TEXT(20)"), std::string::npos) << sql;
    EXPECT_RUNTIME_ERROR_NUMBER(
        exportSpecs({column("A", 1, 1), column("a", 2, 1)}, SpecFormat::CreateTable, "t"),
        db::errors::fieldDefinedTwice);
}

} // namespace
} // namespace fieldizer
