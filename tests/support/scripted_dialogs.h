#pragma once
// UserDialogs for tests: answers questions from a script and keeps every
// question and message. A question beyond the script fails the test that
// asked it (it gets the default answer and sets `unexpected`), so no question
// goes unnoticed.

#include "text_engine/user_dialogs.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace fieldizer::testing {

class ScriptedDialogs final : public UserDialogs {
  public:
    explicit ScriptedDialogs(std::deque<Answer> answers = {}) : answers_(std::move(answers)) {}

    Answer ask(const Message& question) override {
        questions.push_back(question);
        if (whileAsked)
            whileAsked(question);
        if (answers_.empty()) {
            unexpected = true;
            ADD_FAILURE() << "unscripted question: " << question.text;
            return question.defaultAnswer;
        }
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void tell(const Message& message) override { messages.push_back(message); }

    bool scriptUsedUp() const { return answers_.empty(); }
    void add(Answer answer) { answers_.push_back(answer); }

    // Runs while a question is on screen: what the window shows meanwhile.
    std::function<void(const Message&)> whileAsked;
    std::vector<Message> questions;
    std::vector<Message> messages;
    bool unexpected = false;

  private:
    std::deque<Answer> answers_;
};

} // namespace fieldizer::testing
