#pragma once
// The questions and messages the program puts to its user. Logic asks
// through this interface; the windows answer with real message boxes, the
// command line and the tests answer by rule. Nothing below ui/ opens a window.

#include "text_engine/parameter_keys.h"

#include <string>
#include <string_view>

namespace fieldizer {

inline constexpr const char* applicationTitle = "Fieldizer";
inline constexpr const char* questionTitle = "Fieldizer - It's your choice...";
inline constexpr const char* carefulTitle = "Fieldizer - Be careful";

enum class Answer { Ok, Cancel, Yes, No };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Exclamation, Critical };

// A message's stable identifier, the same whatever its text says: callers
// answer a question and tests name a message by it, never by its wording.
// Each layer defines the identifiers of its own messages next to their texts.
struct MessageId {
    std::string_view name;
    friend constexpr bool operator==(MessageId, MessageId) = default;
};

// The error report's message: a run-time error shown and gone past.
inline constexpr MessageId errorReportMessage{"errorReport"};

// The inputs a message can send the user back to that are not parameters.
enum class InputField { None, Parameter, TableName, DatabaseChoice, SettingsName };

// Where the user goes after a message: a parameter, named by its Settings
// key, or another input. The window maps each to its own control.
struct Focus {
    InputField field = InputField::None;
    const ParameterKey* key = nullptr; // set when field is Parameter

    static Focus on(InputField field) { return Focus{field, nullptr}; }
    // The parameter of that Settings key; the key must exist.
    static Focus onKey(std::string_view keyName) {
        return Focus{InputField::Parameter, &parameterKey(keyName)};
    }
};

struct Message {
    MessageId id;
    std::string text;
    std::string title = applicationTitle;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultAnswer = Answer::Ok;
    // The input that gets the focus after the message (a required field).
    Focus focus;
    // The text is UTF-8, not the program's text: it shows a character the
    // program's text cannot hold (an EncodingError, a refused paste).
    bool textIsUtf8 = false;
};

// A message with an OK button under the application title; `focus` names
// the input that gets the focus afterwards.
inline Message notice(MessageId id, std::string text, Focus focus = {}) {
    return Message{id,   std::move(text), applicationTitle, Buttons::Ok, Icon::None, Answer::Ok,
                   focus};
}

// A question with the given buttons, icon, title and default answer.
inline Message question(MessageId id, std::string text, Buttons buttons, Icon icon,
                        Answer defaultAnswer, std::string title = questionTitle) {
    return Message{id, std::move(text), std::move(title), buttons, icon, defaultAnswer, {}};
}

class UserDialogs {
  public:
    virtual ~UserDialogs() = default;
    // Shows a question and returns the button chosen.
    virtual Answer ask(const Message& question) = 0;
    // Shows a message with an OK button.
    virtual void tell(const Message& message) = 0;
};

} // namespace fieldizer
