#include "shell/text_files/encoded_writer.h"

#include <algorithm>

namespace fieldizer::files {
namespace {

// Text converted per piece: large enough that a write costs nothing much,
// small enough to stay in the processor's cache.
constexpr std::size_t piece = std::size_t{1} << 18;

} // namespace

EncodedWriter::EncodedWriter(OutputFile& file, FileEncoding encoding)
    : file_(file), encoding_(encoding.encoding) {
    if (encoding.encoding == Encoding::Utf8 && encoding.byteOrderMark)
        file_.write(utf8ByteOrderMark);
}

void EncodedWriter::write(std::string_view text) {
    if (encoding_ == Encoding::Windows1252) {
        file_.write(text);
        return;
    }
    if (buffer_ == nullptr)
        buffer_ = std::make_unique_for_overwrite<char[]>(encodedSizeLimit(piece));
    for (std::size_t start = 0; start < text.size(); start += piece) {
        const std::string_view part = text.substr(start, std::min(piece, text.size() - start));
        file_.write({buffer_.get(), encodeText(part, encoding_, buffer_.get())});
    }
}

} // namespace fieldizer::files
