#pragma once
// The one error type of the system: a number and a description, as the error
// report expects. File errors use the file-access numbers (53, 55, 70, 75),
// database errors the database engine's numbers (3xxx).

#include <stdexcept>
#include <string>

namespace fieldizer {

class RuntimeError : public std::runtime_error {
  public:
    RuntimeError(int number, std::string description)
        : std::runtime_error(description), number_(number), description_(std::move(description)) {}

    int number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }

  private:
    int number_;
    std::string description_;
};

namespace errors {
// The run-time errors: the one table of them. The database engine's numbers
// are in database_error_numbers.h; no name here means a number there.
inline constexpr int invalidCall = 5; // "Invalid procedure call or argument"
inline constexpr int overflow = 6;
inline constexpr int outOfMemory = 7;
inline constexpr int typeMismatch = 13;
inline constexpr int fileNotFound = 53;
inline constexpr int fileAlreadyOpen = 55;
inline constexpr int diskFull = 61;
inline constexpr int inputPastEndOfFile = 62;
inline constexpr int permissionDenied = 70;
inline constexpr int pathFileAccess = 75;
inline constexpr int pathNotFound = 76;
inline constexpr int invalidPatternString = 93;
inline constexpr int invalidUseOfNull = 94;

RuntimeError invalidProcedureCall();
RuntimeError invalidNull(); // 94 "Invalid use of Null"
} // namespace errors

// The text the error report shows for an error: a fixed text for the numbers
// users meet most often, the error's own description for every other number.
std::string errorReportText(int number, const std::string& description);
inline std::string errorReportText(const RuntimeError& error) {
    return errorReportText(error.number(), error.description());
}

inline constexpr const char* errorReportTitle = "Fieldizer - Sorry...";

} // namespace fieldizer
