#include "ui/password_access/password_access.h"

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
    : QDialog(parent), tryOpen_(std::move(tryOpen)), text1_(new QLineEdit), text2_(new QLineEdit),
      command1_(new QPushButton(QStringLiteral("OK"))),
      command2_(new QPushButton(QStringLiteral("&Cancel"))) {
    setObjectName(QStringLiteral("Form4"));
    text1_->setObjectName(QStringLiteral("Text1"));
    text2_->setObjectName(QStringLiteral("Text2"));
    command1_->setObjectName(QStringLiteral("Command1"));
    command2_->setObjectName(QStringLiteral("Command2"));
    setWindowTitle(QStringLiteral("Password Access"));
    text2_->setEchoMode(QLineEdit::Password);
    // Enter in either box is OK, as the default button.
    command1_->setDefault(true);
    command1_->setAutoDefault(true);
    command2_->setAutoDefault(false);

    auto* frame = new QGroupBox(QStringLiteral("If the database is secured, enter details"));
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* label1 = new QLabel(QStringLiteral("User Name:"));
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(QStringLiteral("Password:"));
    label2->setObjectName(QStringLiteral("Label2"));
    auto* fields = new QFormLayout(frame);
    fields->addRow(label1, text1_);
    fields->addRow(label2, text2_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    for (QLineEdit* box : {text1_, text2_})
        box->installEventFilter(this);
    connect(command1_, &QPushButton::clicked, this, &PasswordAccess::command1Click);
    connect(command2_, &QPushButton::clicked, this, &QDialog::reject);
}

void PasswordAccess::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->geometry().center() - rect().center());
    text1_->setFocus();
}

// Entering a box selects its whole text, so typing replaces it.
bool PasswordAccess::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void PasswordAccess::command1Click() {
    if (tryOpen_(fromQString(text1_->text()), fromQString(text2_->text())))
        accept();
}

} // namespace fieldizer::ui
