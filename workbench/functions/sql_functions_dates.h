#pragma once
// Access's date functions, registered with the others by
// registerAccessFunctions: DateAdd, DateDiff, DatePart, DateSerial,
// DateValue, TimeSerial, TimeValue, Weekday, WeekdayName, MonthName.
// Weeks begin on Sunday unless a firstdayofweek argument (1 = Sunday ...
// 7 = Saturday) says otherwise.

struct sqlite3;

namespace fieldizer::db::access_values {

void registerDateFunctions(sqlite3* db);

} // namespace fieldizer::db::access_values
