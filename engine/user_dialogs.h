#pragma once
// The questions and messages the program puts to its user. Logic asks
// through this interface; the windows answer with real message boxes, the
// command line and the tests answer by rule. Nothing below ui/ opens a window.

#include <string>

namespace fieldizer {

inline constexpr const char* applicationTitle = "Fieldizer";
inline constexpr const char* questionTitle = "Fieldizer - It's your choice...";
inline constexpr const char* carefulTitle = "Fieldizer - Be careful";

enum class Answer { Ok, Cancel, Yes, No };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Exclamation, Critical };

struct Message {
    std::string text;
    std::string title = applicationTitle;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultAnswer = Answer::Ok;
    // The control that gets the focus after the message (a required field),
    // or empty.
    std::string focusControl;
};

// A message with an OK button under the application title; `focusControl`
// names the field that gets the focus afterwards.
inline Message notice(std::string text, std::string focusControl = {}) {
    return Message{std::move(text), applicationTitle, Buttons::Ok,
                   Icon::None,      Answer::Ok,       std::move(focusControl)};
}

// A question with the given buttons, icon, title and default answer.
inline Message question(std::string text, Buttons buttons, Icon icon, Answer defaultAnswer,
                        std::string title = questionTitle) {
    return Message{std::move(text), std::move(title), buttons, icon, defaultAnswer, {}};
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
