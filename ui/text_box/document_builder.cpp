#include "ui/text_box/document_builder.h"

#include "text_engine/cp1252.h"
#include "text_engine/memory_failure.h"
#include "text_engine/runtime_error.h"
#include "ui/text_box/ascii_text.h"

#include <Qsci/qsciscintillabase.h>
#include <cstddef>
#include <string>

// The editor's loader interface, which its public headers do not carry: a
// document filled from outside any view, released or turned into a
// document once. Declared here as the editor declares it, name and all, so
// that the objects the editor hands out are of this very type.
class ILoader {
  public:
    virtual int Release() = 0;
    virtual int AddData(const char* data, std::ptrdiff_t length) = 0;
    virtual void* ConvertToDocument() = 0;

  protected:
    ~ILoader() = default;
};

namespace fieldizer::ui {

DocumentBuilder::DocumentBuilder(const QsciScintillaBase& editor, std::size_t expectedBytes)
    : loader_(reinterpret_cast<::ILoader*>(
          editor.SendScintilla(QsciScintillaBase::SCI_CREATELOADER,
                               static_cast<unsigned long>(expectedBytes + editingRoom),
                               long{QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE}))) {
    if (loader_ == nullptr)
        throw outOfMemoryError();
}

DocumentBuilder::~DocumentBuilder() {
    if (loader_ != nullptr)
        loader_->Release();
}

void DocumentBuilder::write(std::string_view bytes) {
    const bool ascii = isAscii(bytes);
    ascii_ = ascii_ && ascii;
    // Each byte converts on its own, so the pieces convert one by one.
    const std::string converted = ascii ? std::string() : cp1252ToUtf8(bytes);
    const std::string_view document = ascii ? bytes : std::string_view(converted);
    if (loader_->AddData(document.data(), static_cast<std::ptrdiff_t>(document.size())) !=
        QsciScintillaBase::SC_STATUS_OK)
        throw outOfMemoryError();
    length_ += bytes.size();
}

void* DocumentBuilder::takeDocument() {
    void* document = loader_->ConvertToDocument();
    loader_ = nullptr; // converting ends the loader
    return document;
}

} // namespace fieldizer::ui
