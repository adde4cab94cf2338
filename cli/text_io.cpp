#include "cli/text_io.h"

#include "cli/commands.h"
#include "cli/line_ends.h"
#include "cli/message_hints.h"
#include "shell/text_files/input_text.h"
#include "shell/text_files/output_file.h"
#include "text_engine/required_fields.h"

#include <iostream>

namespace fieldizer::cli {
namespace {

// Hands each piece of a result straight to the output.
class FileOutput final : public PassOutput {
  public:
    explicit FileOutput(files::OutputFile& file) : file_(file) {}
    void write(std::string_view bytes) override { file_.write(bytes); }

  private:
    files::OutputFile& file_;
};

files::InputText openInput(const ParsedArguments& parsed) {
    if (auto path = parsed.option("--in"))
        return files::InputText::openFile(*path);
    return files::InputText::standardInput();
}

files::OutputFile openOutput(const ParsedArguments& parsed) {
    if (auto path = parsed.option("--out"))
        return files::OutputFile(*path);
    return files::OutputFile::standardOutput();
}

// Reads the input, runs `run` over it into the output, and commits the
// output only when all went well.
int runOverInput(const ParsedArguments& parsed,
                 const std::function<void(std::string_view, PassOutput&)>& run) {
    const files::InputText input = openInput(parsed);
    if (!hasTextToProcess(input.bytes())) {
        printMessage(std::cerr, requiredFieldIds::nothingToProcess, nothingToProcessMessage);
        return exitUsage;
    }
    warnOfLfText(input.bytes(), parsed.flag("--lf"), std::cerr);
    files::OutputFile file = openOutput(parsed);
    FileOutput output(file);
    run(input.bytes(), output);
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
