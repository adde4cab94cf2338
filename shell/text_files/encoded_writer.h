#pragma once
// The program's text written out in a file's encoding: the UTF-8 byte-order
// mark first when the file had one, then the text converted piece by piece
// through a buffer of the writer's own, never a whole converted copy.

#include "shell/text_files/output_file.h"
#include "text_engine/text_encoding.h"

#include <memory>
#include <string_view>

namespace fieldizer::files {

class EncodedWriter {
  public:
    // Writes the byte-order mark at once, so that an empty text saved keeps it.
    EncodedWriter(OutputFile& file, FileEncoding encoding);

    void write(std::string_view text);

  private:
    OutputFile& file_;
    Encoding encoding_;
    std::unique_ptr<char[]> buffer_; // made on the first text that needs it
};

} // namespace fieldizer::files
