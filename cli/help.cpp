#include "cli/commands.h"
#include "cli/operation_table.h"

#include <iostream>

namespace fieldizer::cli {
namespace {

const char* kindName(KeyKind kind) {
    switch (kind) {
    case KeyKind::Number:
        return "number 0-999";
    case KeyKind::Flag:
        return "flag 0/1";
    case KeyKind::Text:
        break;
    }
    return "text";
}

void printKeys(const std::set<KeyTab>& tabs) {
    for (const ParameterKey& key : parameterKeys()) {
        if (!tabs.count(key.tab) || key.afterProcess)
            continue;
        std::cout << "      " << key.name << " (" << kindName(key.kind) << ", default \""
                  << key.defaultValue << "\")\n";
    }
}

} // namespace

void printHelp() {
    std::cout << R"(usage: fieldizer-cli OPERATION [KEY=VALUE ...] [--in FILE] [--out FILE]
                     [--db PATH] [--settings NAME]

Reshapes every line of a text. Input is --in FILE or standard input; output,
byte for byte, goes to --out FILE (only on success) or standard output. Lines
end at CR LF or a lone CR and are joined with CR LF. VALUE texts decode \r, \n,
\t and \\. Keys not given take a fresh window's defaults, or those of the saved
set --settings NAME in the program's database --db PATH (default fieldizer.mdb).
The after-process keys are accepted and ignored.
Exit status: 0 success, 1 run-time error, 2 usage error, empty required field
or empty input.

Operations and their keys:
)";
    for (const TextOperation& operation : textOperations()) {
        std::cout << "  " << operation.name << '\n';
        printKeys(operation.tabs);
    }
    std::cout << R"(
Database commands:
  create-database PATH            write a new, empty program database
  sql --db PATH [--connect ';UID=...;PWD=...'] STATEMENT
                                  run one statement; rows print tab-separated
  fieldize [--settings NAME] [--column HEADING:START:CHARS:SPACES:WIDTH ...]
           [fieldizeStartLineAt=N] lay every line out in columns
  save --table NAME [--target PATH] [--connect STRING] [--existing]
       [--if-exists append|replace] [--too-long stop|skip] [--settings NAME]
       [--column ...] [databaseProcessMethod=...] [databaseDelimiter=...]
                                  write every line as a record
  settings list | show NAME | save NAME [KEY=VALUE ...] [--column ...] | delete NAME
                                  save overwrites a set of the same name without
                                  asking; delete asks nothing; show prints
                                  KEY=VALUE lines (\r \n \t \\ escaped) that save
                                  reads back; names match in any letter case
)";
}

} // namespace fieldizer::cli
