#pragma once
// Form4, "Password Access": asks the user name and password to open a
// database with. OK hands them to `tryOpen`; the dialog closes when the
// database opened and stays open, for another try or Cancel, when it did
// not (the failure has been reported by then). Cancel opens nothing.

#include <QDialog>
#include <functional>
#include <string>

class QLineEdit;
class QPushButton;

namespace fieldizer::ui {

class PasswordAccess final : public QDialog {
    Q_OBJECT
  public:
    // User name and password in the program's character set; true when the
    // database opened.
    using TryOpen = std::function<bool(const std::string& user, const std::string& password)>;

    explicit PasswordAccess(TryOpen tryOpen, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onOkClicked();

    TryOpen tryOpen_;
    QLineEdit* userNameBox_;
    QLineEdit* passwordBox_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

} // namespace fieldizer::ui
