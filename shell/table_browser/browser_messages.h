#pragma once
// What the table browsers say: the position caption, the input boxes'
// prompts, the row questions and the error box of their own commands. The
// two browsers differ only in one line of the filter prompt.

#include "text_engine/runtime_error.h"
#include "text_engine/user_dialogs.h"

#include <string>
#include <string_view>

namespace fieldizer {

// Form13 shows a table, Form12 the rows of a query.
enum class BrowserKind { Table, QueryResult };

namespace browserMessages {
inline constexpr MessageId deleteRow{"browser.deleteRow"};
inline constexpr MessageId commitChanges{"browser.commitChanges"};
inline constexpr MessageId cannotFilter{"browser.cannotFilter"};
inline constexpr MessageId cannotSort{"browser.cannotSort"};
inline constexpr MessageId error{"browser.error"};
} // namespace browserMessages

// The data control's caption: "Record: i of n" with i counted from 1, or
// "No record on file." when no record is current (none at all, or the
// position is past the last one).
std::string positionCaption(long position, long count);

std::string filterPrompt(BrowserKind kind);
std::string sortPrompt();

// The pending sort of a heading click: the field in brackets, descending
// when a modifier key was held.
std::string headingSort(std::string_view fieldName, bool descending);

// The browsers' own error box: "Error:" + number + " " + description under
// the application title, with an OK button.
Message browserError(const RuntimeError& error);

Message deleteRowQuestion();
Message commitChangesQuestion();
Message cannotFilterTable();
Message cannotSortTable();

} // namespace fieldizer
