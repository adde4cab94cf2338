#include "shell/file_access/text_file_access.h"

#include "shell/text_files/encoded_writer.h"
#include "shell/text_files/input_text.h"
#include "shell/text_files/output_file.h"

namespace fieldizer {

LoadedText loadTextFile(const std::filesystem::path& path, EncodingChoice choice) {
    files::InputText input = files::InputText::openFile(path);
    const FileEncoding encoding = input.decode(choice, path.string());
    return {std::string(input.bytes()), encoding};
}

void saveTextFile(const std::filesystem::path& path, std::string_view text, FileEncoding encoding) {
    files::OutputFile file(path);
    files::EncodedWriter(file, encoding).write(text);
    file.commit();
}

} // namespace fieldizer
