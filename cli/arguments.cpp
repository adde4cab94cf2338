#include "cli/arguments.h"

#include "cli/argument_text.h"

namespace fieldizer::cli {

std::string decodeEscapes(std::string_view value) {
    std::string decoded;
    decoded.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            decoded += value[i];
            continue;
        }
        switch (value[i + 1]) {
        case 'r':
            decoded += '\r';
            break;
        case 'n':
            decoded += '\n';
            break;
        case 't':
            decoded += '\t';
            break;
        case '\\':
            decoded += '\\';
            break;
        default:
            decoded += '\\';
            continue; // keep the backslash, read the next char normally
        }
        ++i;
    }
    return decoded;
}

std::optional<std::string> ParsedArguments::option(const std::string& name) const {
    auto it = options.find(name);
    if (it == options.end() || it->second.empty())
        return std::nullopt;
    return it->second.back();
}

namespace {

// Options that name files: their values stay as the system gave them.
bool takesPath(std::string_view option) {
    return option == "--in" || option == "--out" || option == "--db" || option == "--target";
}

void addKey(ParsedArguments& parsed, const std::string& argument, std::size_t equals) {
    const std::string name = argument.substr(0, equals);
    if (findParameterKey(name) == nullptr)
        throw UsageError("unknown key '" + name + "'");
    parsed.keys[name] =
        decodeEscapes(textArgument(std::string_view(argument).substr(equals + 1), argument));
}

// A path stays as the system gave it; every other value is text.
void addOptionValue(ParsedArguments& parsed, const ArgumentRules& rules, const std::string& option,
                    const std::string& value) {
    auto& values = parsed.options[option];
    if (!values.empty() && !rules.repeatable.count(option))
        throw UsageError("option '" + option + "' given twice");
    values.push_back(takesPath(option) ? value : textArgument(value));
}

} // namespace

ParsedArguments parseArguments(Args args, const ArgumentRules& rules) {
    ParsedArguments parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& argument = args[i];
        if (argument.rfind("--", 0) == 0) {
            // --option=VALUE is --option VALUE in one argument.
            const auto equals = argument.find('=');
            if (equals != std::string::npos &&
                rules.valueOptions.count(argument.substr(0, equals))) {
                addOptionValue(parsed, rules, argument.substr(0, equals),
                               argument.substr(equals + 1));
                continue;
            }
            if (rules.flagOptions.count(argument)) {
                parsed.options[argument];
                continue;
            }
            if (!rules.valueOptions.count(argument))
                throw UsageError("unknown option '" + argument + "'");
            if (i + 1 == args.size())
                throw UsageError("option '" + argument + "' needs a value");
            addOptionValue(parsed, rules, argument, args[++i]);
            continue;
        }
        const auto equals = argument.find('=');
        if (equals != std::string::npos && equals > 0) {
            addKey(parsed, argument, equals);
            continue;
        }
        if (parsed.positional.size() == rules.maxPositional)
            throw UsageError("unexpected argument '" + argument + "'");
        parsed.positional.push_back(textArgument(argument));
    }
    return parsed;
}

void checkKeys(const ParameterValues& given, const std::set<KeyTab>& tabs) {
    for (const auto& [name, value] : given) {
        const ParameterKey* key = findParameterKey(name);
        // The after-process keys only steer the window; scripts that pass a
        // whole saved set may carry them, so they are accepted and ignored.
        if (!tabs.count(key->tab) && !key->afterProcess)
            throw UsageError("key '" + name + "' is not used by this operation");
        // The Break-into-lines length is kept as text but typed in a
        // three-digit box like every number.
        const bool numberBox = key->kind == KeyKind::Number || name == "startLineAfter";
        if (numberBox && !isNumberBoxText(value))
            throw UsageError("key '" + name + "' takes 0 to 3 digits, not '" + terminalText(value) +
                             "'");
        if (key->kind == KeyKind::Flag && value != "0" && value != "1")
            throw UsageError("key '" + name + "' takes 0 or 1, not '" + terminalText(value) + "'");
    }
}

} // namespace fieldizer::cli
