#include "text_engine/display_path.h"

#include "text_engine/cp1252.h"

namespace fieldizer {

std::string displayPath(const std::filesystem::path& path) {
    return utf8ToCp1252(path.native());
}

} // namespace fieldizer
