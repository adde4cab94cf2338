#pragma once
// The paste of the text boxes. Pasted at the end of the text, a clipboard
// text that ends with a lone CR gets its LF, so that the next line typed or
// pasted starts on a line of its own; pasted inside the text, it replaces the
// selection unchanged.

#include <cstddef>
#include <string>
#include <string_view>

namespace fieldizer {

// One replacement in the text box: `removeLength` bytes from `start` give
// way to `insert`; the caret then goes back to `start`.
struct PasteEdit {
    std::size_t start = 0;
    std::size_t removeLength = 0;
    std::string insert;
};

PasteEdit pasteEdit(std::size_t textLength, std::size_t selectionStart, std::size_t selectionLength,
                    std::string_view pasted);

} // namespace fieldizer
