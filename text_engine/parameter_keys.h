#pragma once
// The parameter keys of every Manipulator tab, in the order the Settings
// record stores them. This is the one list of keys: the operations' parameter
// records, the Settings store, the command line and the windows all use it.

#include <map>
#include <span>
#include <string>
#include <string_view>

namespace fieldizer {

enum class KeyKind {
    Text,   // the control's text, exactly as typed
    Number, // a three-digit box: 0 to 999, empty counts as 0; stored as floating point
    Flag,   // a check box: "0" or "1"
};

// The tab a key belongs to; the command line uses it to tell which keys an
// operation takes.
enum class KeyTab { TextLines, Move, Add, Replace, Delete, Format, Fieldize, Database };

// A key says nothing of the control that shows it: that mapping belongs to
// the window.
struct ParameterKey {
    std::string_view name;
    KeyKind kind;
    KeyTab tab;
    std::string_view defaultValue; // what a freshly opened window shows
    bool afterProcess;             // one of the "After Process" check boxes
    // Typed into a box that takes 0 to 3 digits: every Number key, and
    // startLineAfter, which is stored as text all the same.
    bool digitBox;
};

// All 57 keys in their stored order.
std::span<const ParameterKey> parameterKeys();

// The key of that name (exact spelling), or nullptr.
const ParameterKey* findParameterKey(std::string_view name);

// The key of that name, which must be one of the 57: a name the code itself
// spells. Throws std::invalid_argument for any other.
const ParameterKey& parameterKey(std::string_view name);

// Parameter values as the controls hold them: key name -> control text.
// Numbers are digit strings, flags "0" or "1".
using ParameterValues = std::map<std::string, std::string, std::less<>>;

// Every key with the value a freshly opened window shows.
ParameterValues defaultParameterValues();

// Reading values: a missing key reads as its default; a number reads the
// leading digits of its text (empty counts as 0); a flag is set when "1".
const std::string& textValue(const ParameterValues& values, std::string_view key);
int numberValue(const ParameterValues& values, std::string_view key);
bool flagValue(const ParameterValues& values, std::string_view key);

// Whether a text is acceptable for a number box: 0 to 3 digits.
bool isNumberBoxText(std::string_view text);

} // namespace fieldizer
