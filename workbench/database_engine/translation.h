#pragma once
// Calls into the SQL translator from the program's side: the translator
// reads and writes UTF-8, the program Windows-1252, so its input is
// converted on the way in and its error descriptions on the way out.

#include "text_engine/cp1252.h"
#include "text_engine/runtime_error.h"

#include <string>
#include <string_view>

namespace fieldizer::db {

// Runs `translate(utf8Text)`, where utf8Text is `text` in UTF-8, and returns
// its result; errors come back with their description in Windows-1252.
template <typename Translate> auto translated(std::string_view text, Translate translate) {
    std::string utf8 = cp1252ToUtf8(text);
    try {
        return translate(std::string_view(utf8));
    } catch (const RuntimeError& error) {
        throw RuntimeError(error.number(), utf8ToCp1252(error.description()));
    }
}

} // namespace fieldizer::db
