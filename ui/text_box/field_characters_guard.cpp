#include "ui/text_box/field_characters_guard.h"

#include "shell/editing/unheld_character.h"
#include "text_engine/cp1252.h"

#include <QAbstractSpinBox>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStringView>
#include <QValidator>
#include <utility>

namespace fieldizer::ui {
namespace {

// Refuses text holding a character outside Windows-1252 and remembers it
// for the message; any other text is the field's own validator's business.
class HeldCharactersValidator final : public QValidator {
  public:
    HeldCharactersValidator(const QValidator* own, QObject* parent)
        : QValidator(parent), own_(own) {}

    State validate(QString& input, int& position) const override {
        refused_ = FieldCharactersGuard::firstUnheldCharacter(input);
        if (refused_)
            return Invalid;
        return own_ ? own_->validate(input, position) : Acceptable;
    }
    void fixup(QString& input) const override {
        if (own_)
            own_->fixup(input);
    }
    char32_t takeRefused() { return std::exchange(refused_, 0); }

  private:
    QPointer<const QValidator> own_;
    mutable char32_t refused_ = 0;
};

} // namespace

FieldCharactersGuard::FieldCharactersGuard(UserDialogs& dialogs, QObject* parent)
    : QObject(parent), dialogs_(dialogs) {}

char32_t FieldCharactersGuard::firstUnheldCharacter(const QString& text) {
    for (char32_t character : text.toUcs4())
        if (!heldInCp1252(character))
            return character;
    return 0;
}

bool FieldCharactersGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Polish)
        if (auto* field = qobject_cast<QLineEdit*>(watched))
            guard(field);
    return false;
}

void FieldCharactersGuard::guard(QLineEdit* field) {
    // A spin box validates its own numbers, and a field guarded once stays so.
    if (qobject_cast<QAbstractSpinBox*>(field->parent()) ||
        dynamic_cast<const HeldCharactersValidator*>(field->validator()))
        return;
    auto* validator = new HeldCharactersValidator(field->validator(), field);
    field->setValidator(validator);
    connect(field, &QLineEdit::inputRejected, this, [this, validator] {
        if (const char32_t refused = validator->takeRefused())
            dialogs_.tell(notice(unheldCharacterMessage, unheldCharacterText(refused)));
    });
}

} // namespace fieldizer::ui
