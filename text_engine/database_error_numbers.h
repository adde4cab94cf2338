#pragma once
// The database engine's error numbers: the one table of them, for the
// database layer that raises them, its SQL translator, and the error report
// that words some of them its own way. The run-time errors (5, 53, 94, ...)
// are in runtime_error.h; no name here means a number there.

namespace fieldizer::db::errors {

// Objects, files, records and transactions.
inline constexpr int reserved = 3000;
inline constexpr int invalidArgument = 3001;
inline constexpr int tableExists = 3010;
inline constexpr int objectExists = 3012;
inline constexpr int noCurrentIndex = 3019;
inline constexpr int updateWithoutEdit = 3020;
inline constexpr int noCurrentRecord = 3021;
inline constexpr int duplicateKey = 3022;
inline constexpr int missingFile = 3024;
inline constexpr int notEnoughSpace = 3026;
inline constexpr int readOnly = 3027;
inline constexpr int noTransaction = 3034;
inline constexpr int invalidPath = 3044;
inline constexpr int cannotOpenFile = 3051;
inline constexpr int tooFewParameters = 3061;
inline constexpr int selectExecuted = 3065;
inline constexpr int inputTableNotFound = 3078;
inline constexpr int undefinedFunction = 3085;
inline constexpr int fieldTooSmall = 3163;
inline constexpr int fieldNotUpdatable = 3164;
inline constexpr int recordDeleted = 3167;
inline constexpr int isamNotFound = 3170;
inline constexpr int readLocked = 3187;
inline constexpr int fieldDefinedTwice = 3191;
inline constexpr int databaseExists = 3204;
inline constexpr int tableLocked = 3211;
inline constexpr int recordLocked = 3218;
inline constexpr int invalidOperation = 3219;
inline constexpr int notSupported = 3251;
inline constexpr int invalidFieldType = 3259;
inline constexpr int noFieldDefined = 3264;
inline constexpr int itemNotFound = 3265;
// "External table is not in the expected format.": a layout file read
// in (a csvkit schema, a FIELDWIDTHS line) that cannot be used.
inline constexpr int externalFormat = 3274;
inline constexpr int requiredIsNull = 3314;
inline constexpr int zeroLengthString = 3315;
inline constexpr int validationRule = 3317;
inline constexpr int unrecognizedFormat = 3343;
inline constexpr int numericOverflow = 3349;
inline constexpr int indexExists = 3375;
inline constexpr int objectInvalid = 3420;
inline constexpr int conversionError = 3421;
inline constexpr int notAnIndex = 3800;

// A database server: the description is the server's own text.
inline constexpr int notValidAccount = 3029;        // the server refused the user name or password
inline constexpr int serverCallFailed = 3146;       // a statement the server refused
inline constexpr int serverConnectionFailed = 3151; // no connection, or one lost
inline constexpr int serverTimeout = 3234;          // a statement cancelled by its time limit

// Syntax, as the SQL translator reports it.
inline constexpr int queryExpression = 3075;
inline constexpr int notInAggregate = 3122;
inline constexpr int invalidName = 3125;
inline constexpr int bracketing = 3126;
inline constexpr int deleteNeedsTable = 3128;
inline constexpr int invalidStatement = 3129;
inline constexpr int deleteStatement = 3130;
inline constexpr int fromClause = 3131;
inline constexpr int groupByClause = 3132;
inline constexpr int havingClause = 3133;
inline constexpr int insertStatement = 3134;
inline constexpr int joinOperation = 3135;
inline constexpr int orderByClause = 3138;
inline constexpr int parameterClause = 3139;
inline constexpr int selectStatement = 3141;
inline constexpr int charactersAfterEnd = 3142;
inline constexpr int updateStatement = 3144;
inline constexpr int constraintClause = 3289;
inline constexpr int createTableStatement = 3290;
inline constexpr int createIndexStatement = 3291;
inline constexpr int fieldDefinition = 3292;
inline constexpr int alterTableStatement = 3293;
inline constexpr int dropStatement = 3295;
inline constexpr int tooComplex = 3360;

} // namespace fieldizer::db::errors
