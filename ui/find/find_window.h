#pragma once
// fieldz3, the Find window ("Fieldizer - Search"): finds the next occurrence
// of a text in the Manipulator's box (or the Text Viewer's when the
// Manipulator is hidden) and selects it, or counts and colours them all.
// The searching is FindSession's; this window wires it to the controls.

#include "shell/find/find_session.h"
#include "text_engine/user_dialogs.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace fieldizer::ui {

class ByteTextBox;

class FindWindow final : public QWidget {
    Q_OBJECT
  public:
    // `target` gives the box to search (null: none); `showTarget` brings
    // that box's window to the front.
    FindWindow(UserDialogs& dialogs, std::function<ByteTextBox*()> target,
               std::function<void(ByteTextBox*)> showTarget, QWidget* parent = nullptr);

    void find();
    void findAgain();
    void findAll();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    FindOptions options() const;
    void resetColours(ByteTextBox* box);
    void searchTextChanged();

    UserDialogs& dialogs_;
    std::function<ByteTextBox*()> target_;
    std::function<void(ByteTextBox*)> showTarget_;
    FindSession session_;
    QLineEdit* searchBox_;
    QPushButton* findButton_;
    QPushButton* findAgainButton_;
    QPushButton* findAllButton_;
    QCheckBox* ignoreCaseCheck_;
    QCheckBox* wholeWordCheck_;
    QCheckBox* resetColourCheck_;
};

} // namespace fieldizer::ui
