#include "cli/text_input.h"

#include <array>
#include <utility>

namespace fieldizer::cli {
namespace {

constexpr std::array<std::pair<std::string_view, EncodingChoice>, 3> encodingChoices{{
    {"auto", EncodingChoice::Automatic},
    {"utf-8", EncodingChoice::Utf8},
    {"windows-1252", EncodingChoice::Windows1252},
}};

} // namespace

EncodingChoice encodingChoiceOf(const ParsedArguments& parsed) {
    const auto value = parsed.option(encodingOption);
    if (!value)
        return EncodingChoice::Automatic;
    for (const auto& [name, choice] : encodingChoices)
        if (*value == name)
            return choice;
    throw UsageError(std::string(encodingOption) + " takes auto, utf-8 or windows-1252, not '" +
                     *value + "'");
}

TextInput readTextInput(const ParsedArguments& parsed) {
    const EncodingChoice choice = encodingChoiceOf(parsed);
    const auto path = parsed.option("--in");
    TextInput input{path ? files::InputText::openFile(*path) : files::InputText::standardInput(),
                    {}};
    input.encoding = input.input.decode(choice, path ? *path : "standard input");
    return input;
}

} // namespace fieldizer::cli
