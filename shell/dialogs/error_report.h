#pragma once
// handleError: the one report of a trapped error, for every window. An
// information box titled "Fieldizer - Sorry..." with the error report's text.

#include "text_engine/runtime_error.h"
#include "text_engine/text_encoding.h"
#include "text_engine/user_dialogs.h"

namespace fieldizer {

inline Message errorReport(const RuntimeError& error) {
    Message report{errorReportMessage,
                   errorReportText(error),
                   errorReportTitle,
                   Buttons::Ok,
                   Icon::Information,
                   Answer::Ok,
                   {}};
    report.textIsUtf8 = dynamic_cast<const EncodingError*>(&error) != nullptr;
    return report;
}

inline void handleError(UserDialogs& dialogs, const RuntimeError& error) {
    dialogs.tell(errorReport(error));
}

} // namespace fieldizer
