#include "ui/find/find_window.h"

#include "ui/find/find_window_controls.h"
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
      showTarget_(std::move(showTarget)),
      searchBox_(named(new QLineEdit(this), findWindowControls::searchBox)),
      findButton_(
          named(new QPushButton(QStringLiteral("&Find"), this), findWindowControls::findButton)),
      findAgainButton_(named(new QPushButton(QStringLiteral("Fin&d Again"), this),
                             findWindowControls::findAgainButton)),
      findAllButton_(named(new QPushButton(QStringLiteral("Find &All"), this),
                           findWindowControls::findAllButton)),
      ignoreCaseCheck_(named(new QCheckBox(QStringLiteral("&Ignore case"), this),
                             findWindowControls::ignoreCaseCheck)),
      wholeWordCheck_(named(new QCheckBox(QStringLiteral("&Whole word only"), this),
                            findWindowControls::wholeWordCheck)),
      resetColourCheck_(named(new QCheckBox(QStringLiteral("&Reset color"), this),
                              findWindowControls::resetColourCheck)) {
    setObjectName(QLatin1String(findWindowControls::window));
    setWindowTitle(QStringLiteral("Fieldizer - Search"));
    auto* searchLabel =
        named(new QLabel(QStringLiteral("Look For:"), this), findWindowControls::searchLabel);
    searchLabel->setBuddy(searchBox_);
    auto* layout = new QGridLayout(this);
    layout->addWidget(searchLabel, 0, 0);
    layout->addWidget(searchBox_, 0, 1, 1, 2);
    layout->addWidget(findButton_, 1, 0);
    layout->addWidget(findAgainButton_, 1, 1);
    layout->addWidget(findAllButton_, 1, 2);
    layout->addWidget(ignoreCaseCheck_, 2, 0);
    layout->addWidget(wholeWordCheck_, 2, 1);
    layout->addWidget(resetColourCheck_, 2, 2);
    ignoreCaseCheck_->setChecked(true);
    wholeWordCheck_->setChecked(true);
    resetColourCheck_->setEnabled(false);
    findAgainButton_->setEnabled(false);
    searchBox_->installEventFilter(this);

    connect(searchBox_, &QLineEdit::textChanged, this, &FindWindow::searchTextChanged);
    connect(searchBox_, &QLineEdit::returnPressed, this, &FindWindow::find);
    connect(findButton_, &QPushButton::clicked, this, &FindWindow::find);
    connect(findAgainButton_, &QPushButton::clicked, this, &FindWindow::findAgain);
    connect(findAllButton_, &QPushButton::clicked, this, &FindWindow::findAll);
}

FindOptions FindWindow::options() const {
    return {ignoreCaseCheck_->isChecked(), wholeWordCheck_->isChecked()};
}

void FindWindow::searchTextChanged() {
    session_.reset();
    findButton_->setEnabled(true);
    findAgainButton_->setEnabled(false);
}

// Focus into the search box selects its text, so typing replaces it.
bool FindWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == searchBox_ && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, searchBox_, &QLineEdit::selectAll);
    return QWidget::eventFilter(watched, event);
}

void FindWindow::resetColours(ByteTextBox* box) {
    if (!resetColourCheck_->isChecked())
        return;
    resetColourCheck_->setChecked(false);
    resetColourCheck_->setEnabled(false);
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
    const std::string searchText = fromQString(searchBox_->text());
    const auto result = session_.findAgain(box->bytes(), searchText, options());
    if (!result)
        return;
    if (!result->found) {
        findAgainButton_->setEnabled(false);
        dialogs_.tell(notice(result->messageId, result->message));
        return;
    }
    box->selectRange(result->start, result->length);
    findAgainButton_->setEnabled(true);
    findAgainButton_->setFocus();
    showTarget_(box);
}

void FindWindow::findAll() {
    findAgainButton_->setEnabled(false);
    const std::string searchText = fromQString(searchBox_->text());
    ByteTextBox* box = target_();
    if (searchText.empty() || !box)
        return;
    const std::size_t caret = box->caret();
    resetColours(box);
    const auto result = session_.findAll(box->bytes(), searchText, options());
    if (!result->occurrences.empty()) {
        box->markOccurrences(result->occurrences, searchText.size());
        resetColourCheck_->setEnabled(true);
    }
    dialogs_.tell(notice(result->messageId, result->message));
    box->setCaret(caret);
    showTarget_(box);
}

} // namespace fieldizer::ui
