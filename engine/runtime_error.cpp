#include "engine/runtime_error.h"

namespace fieldizer {

RuntimeError errors::invalidProcedureCall() {
    return RuntimeError(invalidArgument, "Invalid procedure call or argument");
}

std::string errorReportText(int number, const std::string& description) {
    switch (number) {
    case 3163:
        return "Field is too small for the amount of data.  Increase the field size on the "
               "Fieldize tab, or use a database editor, such as Microsoft Access, to modify the "
               "size of the field to allow it to accept the required amount of data.";
    case 3219:
        return "Fieldizer performed an invalid operation.";
    case 3315:
        return "Field can't be a zero-length string.  Using a database editor, such as Microsoft "
               "Access, modify the field (usually by clicking a check-box) to allow it to accept "
               "zero-length strings.";
    case 3343:
        return "The database you selected has a format that is unrecognizable to Fieldizer.";
    case 55:
        return "The file is open and could NOT be deleted.";
    case 70:
        return "Permission denied.";
    case 75:
        return "Path/file access error.";
    default:
        return description;
    }
}

} // namespace fieldizer
