#include "cli/text_io.h"

#include "cli/commands.h"
#include "cli/file_io.h"
#include "engine/required_fields.h"

#include <iostream>

namespace fieldizer::cli {
namespace {

// Hands each piece of a result straight to the output file.
class DirectOutput final : public PassOutput {
  public:
    explicit DirectOutput(AtomicFileWriter& writer) : writer_(writer) {}
    void write(std::string_view bytes) override { writer_.write(bytes); }

  private:
    AtomicFileWriter& writer_;
};

bool fileIsEmpty(const std::string& path) {
    std::error_code error;
    return std::filesystem::file_size(path, error) == 0 && !error;
}

int nothingToProcess() {
    std::cerr << nothingToProcessMessage << '\n';
    return exitUsage;
}

void writeResult(const ParsedArguments& parsed, std::string_view result) {
    if (auto outputPath = parsed.option("--out"))
        writeFileAtomically(*outputPath, result);
    else
        writeStandardOutput(result);
}

} // namespace

int runLineOperation(const ParsedArguments& parsed, const LineOperation& operation) {
    QuietObserver observer;
    const auto inputPath = parsed.option("--in");
    if (!inputPath) {
        const std::string input = readStandardInput();
        if (!hasTextToProcess(input))
            return nothingToProcess();
        writeResult(parsed, runPassInMemory(input, operation, observer).text);
        return exitOk;
    }
    // The file is read directly, in chunks, never copied whole.
    if (fileIsEmpty(*inputPath))
        return nothingToProcess();
    if (auto outputPath = parsed.option("--out")) {
        // File to file: the input is mapped, not copied, and the result goes
        // to disk as it is built.
        const MappedFile input(*inputPath);
        AtomicFileWriter writer(*outputPath);
        DirectOutput output(writer);
        runPassInMemory(input.bytes(), operation, observer, output);
        writer.commit();
        return exitOk;
    }
    writeResult(parsed, runPassOverFile(*inputPath, operation, observer).text);
    return exitOk;
}

int runWholeTextTool(const ParsedArguments& parsed, const WholeTextTool& tool) {
    const auto inputPath = parsed.option("--in");
    const auto outputPath = parsed.option("--out");
    if (inputPath && outputPath) {
        // File to file: the input is mapped, not copied, and the result goes
        // to disk as it is built.
        const MappedFile input(*inputPath);
        if (!hasTextToProcess(input.bytes()))
            return nothingToProcess();
        AtomicFileWriter writer(*outputPath);
        DirectOutput output(writer);
        tool(input.bytes(), &output);
        writer.commit();
        return exitOk;
    }
    const std::string input = inputPath ? readWholeFile(*inputPath) : readStandardInput();
    if (!hasTextToProcess(input))
        return nothingToProcess();
    writeResult(parsed, tool(input, nullptr));
    return exitOk;
}

} // namespace fieldizer::cli
