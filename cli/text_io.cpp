#include "cli/text_io.h"

#include "cli/commands.h"
#include "cli/line_ends.h"
#include "cli/message_hints.h"
#include "cli/text_input.h"
#include "shell/text_files/encoded_writer.h"
#include "shell/text_files/output_file.h"
#include "text_engine/required_fields.h"

#include <iostream>

namespace fieldizer::cli {
namespace {

// Hands each piece of a result straight to the output, in the input's
// encoding.
class FileOutput final : public PassOutput {
  public:
    FileOutput(files::OutputFile& file, FileEncoding encoding) : writer_(file, encoding) {}
    void write(std::string_view bytes) override { writer_.write(bytes); }

  private:
    files::EncodedWriter writer_;
};

files::OutputFile openOutput(const ParsedArguments& parsed) {
    if (auto path = parsed.option("--out"))
        return files::OutputFile(*path);
    return files::OutputFile::standardOutput();
}

// Reads the input, runs `run` over it into the output, and commits the
// output only when all went well.
int runOverInput(const ParsedArguments& parsed,
                 const std::function<void(std::string_view, PassOutput&)>& run) {
    const TextInput input = readTextInput(parsed);
    if (!hasTextToProcess(input.text())) {
        printMessage(std::cerr, requiredFieldIds::nothingToProcess, nothingToProcessMessage);
        return exitUsage;
    }
    warnOfLfText(input.text(), parsed.flag("--lf"), std::cerr);
    files::OutputFile file = openOutput(parsed);
    FileOutput output(file, input.encoding);
    run(input.text(), output);
    file.commit();
    return exitOk;
}

} // namespace

int runLineOperation(const ParsedArguments& parsed, const LineOperation& operation) {
    const bool lf = parsed.flag("--lf");
    return runOverInput(parsed, [&](std::string_view text, PassOutput& output) {
        QuietObserver observer;
        if (lf)
            runLfPass(text, operation, output);
        else
            runPassInMemory(text, operation, observer, output);
    });
}

int runWholeTextTool(const ParsedArguments& parsed, const WholeTextTool& tool) {
    const bool lf = parsed.flag("--lf");
    return runOverInput(parsed, [&](std::string_view text, PassOutput& output) {
        if (!lf) {
            tool(text, output);
            return;
        }
        // The whole-text tools look at the text as a whole, breaks included.
        LfOutput lfOutput(output);
        tool(lfToCrLf(text), lfOutput);
        lfOutput.finish();
    });
}

} // namespace fieldizer::cli
