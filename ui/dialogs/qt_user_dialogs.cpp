#include "ui/dialogs/qt_user_dialogs.h"

#include "ui/text_box/cp1252_qstring.h"

#include <QApplication>
#include <QMessageBox>

namespace fieldizer::ui {
namespace {

QMessageBox::Icon iconOf(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons buttonsOf(Buttons buttons) {
    switch (buttons) {
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton buttonOf(Answer answer) {
    switch (answer) {
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

// Closing the box by its close button or Escape is Cancel where there is
// one, else the default answer.
int showBox(QWidget* parent, const Message& message) {
    const QString text =
        message.textIsUtf8
            ? QString::fromUtf8(message.text.data(), static_cast<qsizetype>(message.text.size()))
            : toQString(message.text);
    QMessageBox box(iconOf(message.icon), toQString(message.title), text,
                    buttonsOf(message.buttons), parent);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setDefaultButton(buttonOf(message.defaultAnswer));
    QApplication::restoreOverrideCursor();
    return box.exec();
}

} // namespace

Answer QtUserDialogs::ask(const Message& question) {
    return answerOf(showBox(parent_, question));
}

void QtUserDialogs::tell(const Message& message) {
    showBox(parent_, message);
}

} // namespace fieldizer::ui
