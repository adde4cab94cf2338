#include "cli/commands.h"
#include "cli/key_choices.h"
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

// The Break-into-lines length is kept as text but typed like every number.
const char* kindName(const ParameterKey& key) {
    return key.name == "startLineAfter" ? kindName(KeyKind::Number) : kindName(key.kind);
}

void printChoices(std::string_view key) {
    const KeyChoices choices = keyChoices(key);
    if (choices.items.empty())
        return;
    std::cout << "          one of";
    for (std::string_view item : choices.items)
        std::cout << " '" << item << "'";
    std::cout << (choices.alsoAnyText ? ", or the text itself\n" : "\n");
}

void printKeys(const std::set<KeyTab>& tabs) {
    for (const ParameterKey& key : parameterKeys()) {
        if (!tabs.count(key.tab) || key.afterProcess)
            continue;
        std::cout << "      " << key.name << " (" << kindName(key) << ", default \""
                  << key.defaultValue << "\")\n";
        printChoices(key.name);
    }
}

} // namespace

void printHelp() {
    std::cout << R"(usage: fieldizer-cli OPERATION [KEY=VALUE ...] [--in FILE] [--out FILE] [--lf]
                     [--encoding auto|utf-8|windows-1252] [--db PATH] [--settings NAME]

Reshapes every line of a text. Input is --in FILE or standard input; output,
byte for byte, goes to --out FILE (only on success) or standard output. Lines
end at CR LF or a lone CR and are joined with CR LF; a lone LF is an ordinary
character. --lf reads and writes LF line ends instead (every lone LF of the
input becomes CR LF before the pass, every CR LF of the result LF after it).
Text is Windows-1252: arguments are read as UTF-8 and converted (an argument
that is not valid UTF-8 is taken byte for byte; a character Windows-1252
lacks is a usage error). The input is read by --encoding: auto (the default)
takes a text that starts with the UTF-8 byte-order mark, or whose bytes above
0x7F all form UTF-8, as UTF-8 and any other as Windows-1252; utf-8 and
windows-1252 read it as that. The output is written in the encoding the input
was read in, with its byte-order mark. A character Windows-1252 cannot hold
ends the run with exit status 1, naming its line and column. VALUE texts decode \r, \n, \t and \\. Keys not
given take a fresh window's defaults, or those of the saved set --settings
NAME in the program's database --db PATH (default fieldizer.mdb).
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
  import-access SOURCE TARGET     copy every table and saved query of the Access
                                  file SOURCE (.mdb, .accdb) into the new program
                                  database TARGET (never overwritten); SOURCE is
                                  only read; the report goes to standard error
  sql --db PATH [--connect ';UID=...;PWD=...'] [--param NAME=VALUE ...] [--csv] STATEMENT
                                  run one statement; rows print tab-separated;
                                  --param gives a value to one of its PARAMETERS,
                                  or to a name it uses that is no field; --csv
                                  prints them as CSV (RFC 4180, UTF-8, a header
                                  row, CR LF, Null an empty field, "" the empty text)
  fieldize [--settings NAME] [--column HEADING:START:CHARS:SPACES:WIDTH ...]
           [fieldizeStartLineAt=N] [--lf] [--encoding ...]
                                  lay every line out in columns
  save --table NAME [--target PATH] [--connect STRING] [--existing]
       [--if-exists append|replace] [--too-long stop|skip] [--settings NAME]
       [--column ...] [databaseProcessMethod=...] [databaseDelimiter=...] [--lf]
       [--positions laid-out|original] [--encoding ...]
                                  write every line as a record
  settings list | show NAME | save NAME [KEY=VALUE ...] [--column ...] | delete NAME
                                  save overwrites a set of the same name without
                                  asking; delete asks nothing; show prints
                                  KEY=VALUE lines (\r \n \t \\ escaped) and
                                  --column=... lines that save reads back, one
                                  argument a line; names match in any letter case
  columns guess [--lines FIRST-LAST] [--heading-line N] [--lf] [--in FILE]
                                  propose columns where a blank stands in (almost)
                                  every line (FIRST-LAST, else the first 200 lines
                                  with characters); headings from line N, else
                                  Column1, ...; prints --column=... lines, one
                                  argument a line, that save and settings save take
  columns import FILE [--format csvkit|fieldwidths|columns] [--settings NAME]
                                  replace the working specifications (or those of
                                  the saved set NAME) by a csvkit schema (starts
                                  from 0, or from 1 when the first is 1), an awk
                                  FIELDWIDTHS line ("2 4 1:3") or --column lines;
                                  the format defaults to csvkit for FILE.csv, else
                                  columns when it begins with --column, else
                                  fieldwidths
  columns export --format csvkit|fieldwidths|columns|create-table [--table NAME]
                 [--settings NAME] [--column ...]
                                  print the specifications in that form;
                                  create-table prints the statement save --table
                                  NAME runs to create the table
An Access file given as --db or --target is refused: convert it first with
import-access. A --target of postgresql://[USER@]HOST[:PORT]/DBNAME (libpq's
URI; parts left out, and the password, come from PGHOST, PGPORT, PGUSER,
PGPASSWORD, PGSERVICE or ~/.pgpass) saves into a PostgreSQL server database.

Keys of fieldize and save:
)";
    printKeys({KeyTab::Fieldize, KeyTab::Database});
}

} // namespace fieldizer::cli
