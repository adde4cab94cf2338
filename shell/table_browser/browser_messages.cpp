#include "shell/table_browser/browser_messages.h"

#include <initializer_list>

namespace fieldizer {
namespace {

std::string joinLines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += (text.empty() ? "" : "\r\n") + std::string(line);
    return text;
}

} // namespace

std::string positionCaption(long position, long count) {
    if (position < 0 || position >= count)
        return "No record on file.";
    return "Record: " + std::to_string(position + 1) + " of " + std::to_string(count);
}

std::string filterPrompt(BrowserKind kind) {
    // The table browser's prompt has the shorter sixth line.
    const char* fancy = kind == BrowserKind::Table
                            ? "Use the 'like' and/or 'between' operators to get fancy."
                            : "Use the 'like' and/or 'between' operators to really get fancy.";
    return joinLines({"Enter FieldName =, <>, <, <=, >, >= Criteria. ",
                      "- Enclose the Criteria of TEXT fields in DOUBLE quotes.",
                      "- Enclose the Criteria of DATE fields in NUMBER signs.", "",
                      "Use 'and' or 'or' to create combined criterias.",
                      // One line too long to write on one: the literals are joined on purpose.
                      // NOLINTNEXTLINE(bugprone-suspicious-missing-comma)
                      "Example: CustName = ''RuzovovOvovedorive'' and OrderDate >= #8/7/00# or "
                      "moneyEarned < 100000.00",
                      "", fancy, "Example: custname like ''pant*'' or OrDeRiD <> 123",
                      "Example: orderDATE between #1/16/99# And #11/3/00# OR cashFlow >= 100",
                      "Example: custName not like ''Pan*'' or orderID between 101 and 201", "",
                      "READ A BOOK ON FILTERING!  Laugh."});
}

std::string sortPrompt() {
    return "Enter Sort Column (or click Cancel, then double-click a column heading):";
}

std::string headingSort(std::string_view fieldName, bool descending) {
    return "[" + std::string(fieldName) + "]" + (descending ? " desc" : "");
}

Message browserError(const RuntimeError& error) {
    return notice(browserMessages::error,
                  "Error:" + std::to_string(error.number()) + " " + error.description());
}

Message deleteRowQuestion() {
    // A destructive confirmation: the careful title, and No unless chosen.
    return question(browserMessages::deleteRow, "Delete Current Row?", Buttons::YesNo,
                    Icon::Question, Answer::No, carefulTitle);
}

Message commitChangesQuestion() {
    return question(browserMessages::commitChanges, "Commit changes?", Buttons::YesNo,
                    Icon::Question, Answer::Yes);
}

Message cannotFilterTable() {
    Message message = notice(browserMessages::cannotFilter, "You Cannot Filter a Table Recordset!");
    message.icon = Icon::Exclamation;
    return message;
}

Message cannotSortTable() {
    Message message = notice(browserMessages::cannotSort, "You Cannot Sort a Table Recordset!");
    message.icon = Icon::Exclamation;
    return message;
}

} // namespace fieldizer
