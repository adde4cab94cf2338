#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/file_io.h"
#include "cli/operation_table.h"

#include <iostream>

namespace fieldizer::cli {
namespace {

// The command line has no window to keep live: the pass is never stopped.
class QuietObserver final : public PassObserver {};

const ArgumentRules textOperationRules{{"--in", "--out", "--db", "--settings"}, {}, {}, 0};

class FileOutput final : public PassOutput {
  public:
    explicit FileOutput(AtomicFileWriter& writer) : writer_(writer) {}
    void write(std::string_view bytes) override { writer_.write(bytes); }

  private:
    AtomicFileWriter& writer_;
};

bool fileIsEmpty(const std::string& path) {
    std::error_code error;
    return std::filesystem::file_size(path, error) == 0 && !error;
}

// A line operation over --in reads the file directly, in chunks; everything
// else works on the input held in memory.
std::string run(const TextOperation& operation, const ParameterValues& values,
                const std::optional<std::string>& inputPath, std::string_view input) {
    QuietObserver observer;
    if (operation.lineOperation && inputPath)
        return runPassOverFile(*inputPath, operation.lineOperation(values), observer).text;
    if (operation.lineOperation)
        return runPassInMemory(input, operation.lineOperation(values), observer).text;
    return operation.wholeText(input, values, observer);
}

} // namespace

bool isTextOperation(std::string_view name) {
    return findTextOperation(name) != nullptr;
}

int runTextOperation(std::string_view name, Args args) {
    const TextOperation& operation = *findTextOperation(name);
    ParsedArguments parsed;
    try {
        parsed = parseArguments(args, textOperationRules);
        checkKeys(parsed.keys, operation.tabs);
    } catch (const UsageError& error) {
        std::cerr << "fieldizer-cli " << name << ": " << error.what() << '\n';
        return exitUsage;
    }
    const ParameterValues values = loadOperationValues(parsed);
    if (operation.check) {
        if (auto missing = operation.check(values)) {
            std::cerr << missing->message << '\n';
            return exitUsage;
        }
    }
    const auto inputPath = parsed.option("--in");
    std::string input;
    if (!inputPath || !operation.lineOperation)
        input = inputPath ? readWholeFile(*inputPath) : readStandardInput();
    if (inputPath ? fileIsEmpty(*inputPath) : !hasTextToProcess(input)) {
        std::cerr << nothingToProcessMessage << '\n';
        return exitUsage;
    }
    const auto outputPath = parsed.option("--out");
    if (operation.lineOperation && inputPath && outputPath) {
        // File to file: the result goes straight to disk as it is built, so
        // a report of any size needs little memory.
        AtomicFileWriter writer(*outputPath);
        FileOutput output(writer);
        QuietObserver observer;
        runPassOverFile(*inputPath, operation.lineOperation(values), observer, output);
        writer.commit();
        return exitOk;
    }
    const std::string result = run(operation, values, inputPath, input);
    if (outputPath)
        writeFileAtomically(*outputPath, result);
    else
        writeStandardOutput(result);
    return exitOk;
}

} // namespace fieldizer::cli
