#include "workbench/database_engine/database_file.h"

#include "workbench/database_engine/engine_errors.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace fieldizer::db {
namespace {

std::uint32_t bigEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

} // namespace

// The page count is valid when the "version valid for" number equals the
// change counter.
bool soundDatabaseHeader(const unsigned char* header, std::uint64_t fileSize) {
    if (std::memcmp(header, "SQLite format 3", 16) != 0)
        return false;
    std::uint32_t pageSize = bigEndian(&header[16], 2);
    if (pageSize == 1)
        pageSize = 65536;
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0)
        return false;
    if (fileSize % pageSize != 0)
        return false;
    std::uint32_t pageCount = bigEndian(&header[28], 4);
    bool countValid = bigEndian(&header[92], 4) == bigEndian(&header[24], 4) && pageCount != 0;
    return !countValid || fileSize >= std::uint64_t(pageCount) * pageSize;
}

void checkDatabaseFile(const std::filesystem::path& file) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::file_status status = fs::status(file, error);
    if (file.empty() || status.type() == fs::file_type::not_found)
        throw errors::couldNotFindFile(file);
    if (status.type() == fs::file_type::directory)
        throw errors::notAValidPath(file);
    if (error || ::access(file.c_str(), R_OK) != 0)
        throw errors::cannotOpen(file);
}

} // namespace fieldizer::db
