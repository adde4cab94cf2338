#include "shell/editing/paste_rule.h"

namespace fieldizer {

PasteEdit pasteEdit(std::size_t textLength, std::size_t selectionStart, std::size_t selectionLength,
                    std::string_view pasted) {
    if (selectionStart >= textLength) {
        std::string appended(pasted);
        const bool endsWithCrLf = pasted.ends_with("\r\n");
        if (!endsWithCrLf && pasted.ends_with('\r'))
            appended += '\n';
        return {textLength, 0, std::move(appended)};
    }
    const std::size_t removeLength = std::min(selectionLength, textLength - selectionStart);
    return {selectionStart, removeLength, std::string(pasted)};
}

} // namespace fieldizer
