#include "ui/find/find_window.h"

#include "ui/text_box/byte_text_box.h"
#include "ui/text_box/cp1252_qstring.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace fieldizer::ui {
namespace {

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

FindWindow::FindWindow(UserDialogs& dialogs, std::function<ByteTextBox*()> target,
                       std::function<void(ByteTextBox*)> showTarget, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), target_(std::move(target)),
      showTarget_(std::move(showTarget)), text1_(named(new QLineEdit(this), "Text1")),
      command1_(named(new QPushButton(QStringLiteral("&Find"), this), "Command1")),
      command2_(named(new QPushButton(QStringLiteral("Fin&d Again"), this), "Command2")),
      command3_(named(new QPushButton(QStringLiteral("Find &All"), this), "Command3")),
      check1_(named(new QCheckBox(QStringLiteral("&Ignore case"), this), "Check1")),
      check2_(named(new QCheckBox(QStringLiteral("&Whole word only"), this), "Check2")),
      check3_(named(new QCheckBox(QStringLiteral("&Reset color"), this), "Check3")) {
    setObjectName(QStringLiteral("fieldz3"));
    setWindowTitle(QStringLiteral("Fieldizer - Search"));
    auto* label1 = named(new QLabel(QStringLiteral("Look For:"), this), "Label1");
    label1->setBuddy(text1_);
    auto* layout = new QGridLayout(this);
    layout->addWidget(label1, 0, 0);
    layout->addWidget(text1_, 0, 1, 1, 2);
    layout->addWidget(command1_, 1, 0);
    layout->addWidget(command2_, 1, 1);
    layout->addWidget(command3_, 1, 2);
    layout->addWidget(check1_, 2, 0);
    layout->addWidget(check2_, 2, 1);
    layout->addWidget(check3_, 2, 2);
    check1_->setChecked(true);
    check2_->setChecked(true);
    check3_->setEnabled(false);
    command2_->setEnabled(false);
    text1_->installEventFilter(this);

    connect(text1_, &QLineEdit::textChanged, this, &FindWindow::searchTextChanged);
    connect(text1_, &QLineEdit::returnPressed, this, &FindWindow::find);
    connect(command1_, &QPushButton::clicked, this, &FindWindow::find);
    connect(command2_, &QPushButton::clicked, this, &FindWindow::findAgain);
    connect(command3_, &QPushButton::clicked, this, &FindWindow::findAll);
}

FindOptions FindWindow::options() const {
    return {check1_->isChecked(), check2_->isChecked()};
}

void FindWindow::searchTextChanged() {
    session_.reset();
    command1_->setEnabled(true);
    command2_->setEnabled(false);
}

// Focus into the search box selects its text, so typing replaces it.
bool FindWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text1_ && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, text1_, &QLineEdit::selectAll);
    return QWidget::eventFilter(watched, event);
}

void FindWindow::resetColours(ByteTextBox* box) {
    if (!check3_->isChecked())
        return;
    check3_->setChecked(false);
    check3_->setEnabled(false);
    const std::size_t caret = box->caret();
    box->clearMarks();
    box->setCaret(caret);
}

void FindWindow::find() {
    session_.reset();
    findAgain();
}

void FindWindow::findAgain() {
    ByteTextBox* box = target_();
    if (!box)
        return;
    resetColours(box);
    const std::string searchText = fromQString(text1_->text());
    const auto result = session_.findAgain(box->bytes(), searchText, options());
    if (!result)
        return;
    if (!result->found) {
        command2_->setEnabled(false);
        dialogs_.tell(notice(result->messageId, result->message));
        return;
    }
    box->selectRange(result->start, result->length);
    command2_->setEnabled(true);
    command2_->setFocus();
    showTarget_(box);
}

void FindWindow::findAll() {
    command2_->setEnabled(false);
    const std::string searchText = fromQString(text1_->text());
    ByteTextBox* box = target_();
    if (searchText.empty() || !box)
        return;
    const std::size_t caret = box->caret();
    resetColours(box);
    const auto result = session_.findAll(box->bytes(), searchText, options());
    if (!result->occurrences.empty()) {
        box->markOccurrences(result->occurrences, searchText.size());
        check3_->setEnabled(true);
    }
    dialogs_.tell(notice(result->messageId, result->message));
    box->setCaret(caret);
    showTarget_(box);
}

} // namespace fieldizer::ui
