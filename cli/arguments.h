#pragma once
// Parsing of fieldizer-cli arguments: KEY=VALUE pairs for parameter keys and
// --option VALUE pairs (or --option=VALUE). Usage errors are thrown as UsageError and end the
// run with exit status 2.

#include "cli/commands.h"
#include "text_engine/parameter_keys.h"

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace fieldizer::cli {

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Decodes \r, \n, \t and \\; any other backslash stays as it is.
std::string decodeEscapes(std::string_view value);

struct ParsedArguments {
    ParameterValues keys;                                    // KEY=VALUE, decoded
    std::map<std::string, std::vector<std::string>> options; // --name -> values
    std::vector<std::string> positional;

    std::optional<std::string> option(const std::string& name) const;
    bool flag(const std::string& name) const { return options.count(name) > 0; }
};

struct ArgumentRules {
    std::set<std::string, std::less<>> valueOptions; // options that take a value, e.g. "--in"
    std::set<std::string, std::less<>> flagOptions;  // options without a value
    std::set<std::string, std::less<>> repeatable;   // value options that may repeat
    std::size_t maxPositional = 0;
};

// Splits the arguments. A KEY=VALUE argument must name a parameter key;
// whether the operation uses it is checked by the caller. Values, option
// values and positional arguments are text, converted by textArgument
// (argument_text.h); the values of --in, --out, --db and --target are paths
// and stay as given.
ParsedArguments parseArguments(Args args, const ArgumentRules& rules);

// Checks that every given key is one the operation takes: keys of the
// operation's tabs, the after-process keys accepted and ignored. Number keys
// must hold 0 to 3 digits, flag keys 0 or 1.
void checkKeys(const ParameterValues& given, const std::set<KeyTab>& tabs);

} // namespace fieldizer::cli
