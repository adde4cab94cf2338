#pragma once
// The questions, notices and input-box prompts of the query window. The
// window's Save and Execute show an error as its bare description in an OK
// box, not through the error report.

#include "text_engine/runtime_error.h"
#include "text_engine/user_dialogs.h"

#include <string>

namespace fieldizer::queries {

inline constexpr MessageId updateQueryId{"queries.update"};
inline constexpr MessageId passThroughId{"queries.passThrough"};
inline constexpr MessageId rowReturningId{"queries.rowReturning"};
inline constexpr MessageId selectFirstId{"queries.selectFirst"};
inline constexpr MessageId deleteQueryId{"queries.delete"};
inline constexpr MessageId queryErrorId{"queries.error"};

// The query window's destructive questions carry a title of their own.
inline constexpr const char* queryCarefulTitle = "ZR/WP - Be careful";

inline constexpr const char* newQueryNamePrompt = "Enter New Query Name:";
inline constexpr const char* connectPrompt = "Enter Connect property value:";

inline Message updateQuestion(const std::string& name) {
    return question(updateQueryId, "Update '" + name + "'?", Buttons::YesNo, Icon::Question,
                    Answer::Yes);
}

inline Message passThroughQuestion() {
    return question(passThroughId, "Is this a SQLPassThrough QueryDef?", Buttons::YesNo,
                    Icon::Question, Answer::No);
}

inline Message rowReturningQuestion() {
    return question(rowReturningId, "Is the Query Row Returning?", Buttons::YesNo, Icon::Question,
                    Answer::Yes);
}

inline Message selectFirstNotice() {
    return notice(selectFirstId, "Please select a query from the list box and hit Remove again.");
}

inline Message deleteQuestion(const std::string& name) {
    return question(deleteQueryId, "Delete this query: " + name + "?", Buttons::YesNo,
                    Icon::Question, Answer::No, queryCarefulTitle);
}

inline Message queryError(const RuntimeError& error) {
    return notice(queryErrorId, error.description());
}

inline std::string parameterPrompt(const std::string& parameterName) {
    return "Enter Value for Parameter '" + parameterName + "':";
}

} // namespace fieldizer::queries
