#include "text_engine/runtime_error.h"

#include "text_engine/database_error_numbers.h"

namespace fieldizer {

RuntimeError errors::invalidProcedureCall() {
    return RuntimeError(invalidCall, "Invalid procedure call or argument");
}

RuntimeError errors::invalidNull() {
    return RuntimeError(invalidUseOfNull, "Invalid use of Null");
}

std::string errorReportText(int number, const std::string& description) {
    switch (number) {
    case db::errors::fieldTooSmall:
        return "Field is too small for the amount of data.  Increase the field size on the "
               "Fieldize tab, or use a database editor, such as Microsoft Access, to modify the "
               "size of the field to allow it to accept the required amount of data.";
    case db::errors::invalidOperation:
        return "Fieldizer performed an invalid operation.";
    case db::errors::zeroLengthString:
        return "Field can't be a zero-length string.  Using a database editor, such as Microsoft "
               "Access, modify the field (usually by clicking a check-box) to allow it to accept "
               "zero-length strings.";
    case db::errors::unrecognizedFormat:
        return "The database you selected has a format that is unrecognizable to Fieldizer.";
    case errors::fileAlreadyOpen:
        return "The file is open and could NOT be deleted.";
    case errors::permissionDenied:
        return "Permission denied.";
    case errors::pathFileAccess:
        return "Path/file access error.";
    default:
        return description;
    }
}

} // namespace fieldizer
