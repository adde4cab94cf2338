#include "workbench/csv_export.h"

#include "text_engine/cp1252.h"
#include "text_engine/csv_text.h"
#include "text_engine/progress_pacer.h"
#include "workbench/database_engine/field_type.h"

#include <algorithm>

namespace fieldizer::db {
namespace {

// Pieces of about this size go to the output: few calls, little memory.
constexpr std::size_t pieceSize = std::size_t{64} * 1024;

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void appendValue(std::string& out, const Value& value, int type, std::string& converted) {
    if (value.isNull())
        return;
    // Most text is ASCII, the same bytes in both character sets.
    if (value.isText() && type != fieldType::dateTime && isAscii(value.text())) {
        if (value.text().empty())
            appendQuotedCsvField(out, value.text());
        else
            appendCsvField(out, value.text());
        return;
    }
    converted = cp1252ToUtf8(displayText(value, type));
    if (converted.empty())
        appendQuotedCsvField(out, converted);
    else
        appendCsvField(out, converted);
}

void appendHeader(std::string& out, Recordset& rows) {
    for (int i = 0; i < rows.fieldCount(); ++i) {
        if (i)
            out += ',';
        appendCsvField(out, cp1252ToUtf8(rows.fieldDefs()[std::size_t(i)].name));
    }
    out += "\r\n";
}

} // namespace

CsvExportResult exportCsv(Recordset& rows, PassOutput& output, PassObserver& observer) {
    CsvExportResult result;
    std::string piece, converted;
    appendHeader(piece, rows);
    if (!rows.eof() || !rows.bof())
        rows.moveFirst();
    observer.started(std::uint64_t(std::max(0L, rows.recordCount())));
    ProgressPacer pacer(observer);
    std::vector<int> types;
    for (const FieldDef& field : rows.fieldDefs())
        types.push_back(field.type);
    for (; !rows.eof(); rows.moveNext()) {
        pacer.beforeStep(result.rowsWritten);
        if (observer.stopRequested()) {
            result.stopped = true;
            break;
        }
        for (int i = 0; i < rows.fieldCount(); ++i) {
            if (i)
                piece += ',';
            appendValue(piece, rows.value(i), types[std::size_t(i)], converted);
        }
        piece += "\r\n";
        ++result.rowsWritten;
        if (piece.size() >= pieceSize) {
            output.write(piece);
            piece.clear();
        }
    }
    output.write(piece);
    observer.finished();
    return result;
}

} // namespace fieldizer::db
