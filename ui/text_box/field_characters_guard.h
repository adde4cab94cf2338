#pragma once
// Keeps characters the program cannot hold out of every one-line field of
// the application (line edits, editable combo boxes, grid cell editors): a
// keystroke or paste that would bring one in is refused and the user told
// why, instead of the character becoming "?" when the field is read.
// Installed once on the application by the main window; it wraps each
// field's own validator, if any, when the field is first shown.

#include "text_engine/user_dialogs.h"

#include <QObject>

class QLineEdit;

namespace fieldizer::ui {

class FieldCharactersGuard final : public QObject {
    Q_OBJECT
  public:
    FieldCharactersGuard(UserDialogs& dialogs, QObject* parent);

    // The first character of `text` that Windows-1252 cannot hold, or 0.
    static char32_t firstUnheldCharacter(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void guard(QLineEdit* field);

    UserDialogs& dialogs_;
};

} // namespace fieldizer::ui
