#include "shell/file_access/text_file_access.h"

#include "shell/text_files/input_text.h"
#include "shell/text_files/output_file.h"

namespace fieldizer {

std::string loadTextFile(const std::filesystem::path& path) {
    return std::string(files::InputText::openFile(path).bytes());
}

void saveTextFile(const std::filesystem::path& path, std::string_view bytes) {
    files::OutputFile file(path);
    file.write(bytes);
    file.commit();
}

} // namespace fieldizer
