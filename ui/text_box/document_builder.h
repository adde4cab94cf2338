#pragma once
// Builds a text box's next document off screen, piece by piece, as a line
// tool hands its output on: the editor's own loader takes each piece as it
// comes, so a result of a hundred megabytes is neither held as a string of
// its own nor copied into the editor in one piece at the end. The box keeps
// showing its text until it takes the finished (or stopped) document.

#include "text_engine/processing_pass.h"

#include <cstddef>
#include <string_view>

class QsciScintillaBase;

// The editor's document loader (see document_builder.cpp).
class ILoader;

namespace fieldizer::ui {

// Room a document gets beyond its text. The editor reads its text back only
// with a gap of two bytes left, and inserts only into the gap: without room,
// reading after a load, or the first key typed, copies the whole buffer
// into a larger one.
inline constexpr std::size_t editingRoom = 64 * 1024 + 2;

class DocumentBuilder final : public PassOutput {
  public:
    // `expectedBytes` sizes the first allocation; the document grows past it.
    DocumentBuilder(const QsciScintillaBase& editor, std::size_t expectedBytes);
    ~DocumentBuilder() override;
    DocumentBuilder(const DocumentBuilder&) = delete;
    DocumentBuilder& operator=(const DocumentBuilder&) = delete;

    // Takes the next bytes of the text (Windows-1252). Throws RuntimeError 7
    // when the editor cannot hold them.
    void write(std::string_view bytes) override;

    // The bytes written so far.
    std::size_t length() const { return length_; }
    // No byte above 0x7F was written: the document's UTF-8 is the bytes.
    bool ascii() const { return ascii_; }
    // The document, handed over once with one reference for the caller.
    void* takeDocument();

  private:
    ::ILoader* loader_;
    std::size_t length_ = 0;
    bool ascii_ = true;
};

} // namespace fieldizer::ui
