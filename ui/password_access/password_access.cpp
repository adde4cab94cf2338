#include "ui/password_access/password_access.h"

#include "ui/password_access/password_access_controls.h"
#include "ui/text_box/cp1252_qstring.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace fieldizer::ui {

PasswordAccess::PasswordAccess(TryOpen tryOpen, QWidget* parent)
    : QDialog(parent), tryOpen_(std::move(tryOpen)), userNameBox_(new QLineEdit),
      passwordBox_(new QLineEdit), okButton_(new QPushButton(QStringLiteral("OK"))),
      cancelButton_(new QPushButton(QStringLiteral("&Cancel"))) {
    setObjectName(QLatin1String(passwordAccessControls::window));
    userNameBox_->setObjectName(QLatin1String(passwordAccessControls::userNameBox));
    passwordBox_->setObjectName(QLatin1String(passwordAccessControls::passwordBox));
    okButton_->setObjectName(QLatin1String(passwordAccessControls::okButton));
    cancelButton_->setObjectName(QLatin1String(passwordAccessControls::cancelButton));
    setWindowTitle(QStringLiteral("Password Access"));
    passwordBox_->setEchoMode(QLineEdit::Password);
    // Enter in either box is OK, as the default button.
    okButton_->setDefault(true);
    okButton_->setAutoDefault(true);
    cancelButton_->setAutoDefault(false);

    auto* frame = new QGroupBox(QStringLiteral("If the database is secured, enter details"));
    frame->setObjectName(QLatin1String(passwordAccessControls::detailsFrame));
    auto* userNameLabel = new QLabel(QStringLiteral("User Name:"));
    userNameLabel->setObjectName(QLatin1String(passwordAccessControls::userNameLabel));
    auto* passwordLabel = new QLabel(QStringLiteral("Password:"));
    passwordLabel->setObjectName(QLatin1String(passwordAccessControls::passwordLabel));
    auto* fields = new QFormLayout(frame);
    fields->addRow(userNameLabel, userNameBox_);
    fields->addRow(passwordLabel, passwordBox_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    for (QLineEdit* box : {userNameBox_, passwordBox_})
        box->installEventFilter(this);
    connect(okButton_, &QPushButton::clicked, this, &PasswordAccess::onOkClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void PasswordAccess::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->geometry().center() - rect().center());
    userNameBox_->setFocus();
}

// Entering a box selects its whole text, so typing replaces it.
bool PasswordAccess::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void PasswordAccess::onOkClicked() {
    if (tryOpen_(fromQString(userNameBox_->text()), fromQString(passwordBox_->text())))
        accept();
}

} // namespace fieldizer::ui
