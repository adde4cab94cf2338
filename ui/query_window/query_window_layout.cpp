// The query window's controls, their places as the window is resized, and
// the position kept when it closes.
#include "ui/query_window/query_window.h"
#include "ui/query_window/query_window_controls.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>

namespace fieldizer::ui {
namespace {

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// Places below the list, in twips from the window's inside top.
constexpr int margin = 120;
constexpr int listTop = 360;
constexpr int listHeight = 1000;
constexpr int buttonWidth = 1300;
constexpr int buttonHeight = 300;
constexpr int statementLabelTop = 1440;
constexpr int statementTop = 1680;
constexpr int frameGap = 60;

} // namespace

void QueryWindow::buildControls() {
    setObjectName(QLatin1String(queryWindowControls::window));
    setWindowTitle(QStringLiteral("Queries"));
    savedQueriesLabel_ = named(new QLabel(QStringLiteral("Saved Queries:"), this),
                               queryWindowControls::savedQueriesLabel);
    lstQueryDefs_ = named(new QListWidget(this), queryWindowControls::savedQueriesList);
    statementLabel_ = named(new QLabel(QStringLiteral("SQL Statement:"), this),
                            queryWindowControls::statementLabel);
    txtSQLStatement_ = named(new QPlainTextEdit(this), queryWindowControls::statementBox);
    txtSQLStatement_->setTabChangesFocus(true); // Tab goes on to the buttons
    cmdRemoveQuery_ =
        named(new QPushButton(QStringLiteral("&Remove"), this), queryWindowControls::removeButton);
    cmdSaveQueryDef_ =
        named(new QPushButton(QStringLiteral("&Save"), this), queryWindowControls::saveButton);
    cmdExecuteSQL_ = named(new QPushButton(QStringLiteral("&Execute"), this),
                           queryWindowControls::executeButton);
    explanationFrame_ = named(new QGroupBox(QStringLiteral("In your SQL statement:"), this),
                              queryWindowControls::explanationFrame);
    lblSQL_ = named(new QLabel(explanationFrame_), queryWindowControls::explanationLabel);
    lblSQL_->setText(QLatin1String(queries::sqlExplanationLine1) + QLatin1Char('\n') +
                     QLatin1String(queries::sqlExplanationLine2));
    lblSQL_->setWordWrap(true);
    auto* frameLayout = new QVBoxLayout(explanationFrame_);
    frameLayout->setContentsMargins(6, 2, 6, 2);
    frameLayout->addWidget(lblSQL_);
    savedQueriesLabel_->setBuddy(lstQueryDefs_);
    statementLabel_->setBuddy(txtSQLStatement_);
}

int QueryWindow::toTwips(int pixels) const {
    return pixels * 1440 / logicalDpiX();
}
int QueryWindow::toPixels(int twips) const {
    return twips * logicalDpiX() / 1440;
}

// The statement box keeps fixed margins to the window's outer size; the
// list and the buttons stay above it, the explanation below.
void QueryWindow::placeControls() {
    const QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    const QSize outer = frame ? frame->size() : size();
    const int width = std::max(0, toTwips(outer.width()) - queries::statementWidthMargin);
    const int height = std::max(0, toTwips(outer.height()) - queries::statementHeightMargin);
    auto place = [this](QWidget* widget, int left, int top, int w, int h) {
        widget->setGeometry(toPixels(left), toPixels(top), toPixels(w), toPixels(h));
    };
    const int buttonLeft = margin + width - buttonWidth;
    place(savedQueriesLabel_, margin, margin, width, listTop - margin);
    place(lstQueryDefs_, margin, listTop, std::max(0, width - buttonWidth - margin), listHeight);
    const int step = (listHeight - buttonHeight) / 2;
    place(cmdRemoveQuery_, buttonLeft, listTop, buttonWidth, buttonHeight);
    place(cmdSaveQueryDef_, buttonLeft, listTop + step, buttonWidth, buttonHeight);
    place(cmdExecuteSQL_, buttonLeft, listTop + 2 * step, buttonWidth, buttonHeight);
    place(statementLabel_, margin, statementLabelTop, width, statementTop - statementLabelTop);
    place(txtSQLStatement_, margin, statementTop, width, height);
    // The explanation takes what is left below the statement.
    const int frameTop = statementTop + height + frameGap;
    place(explanationFrame_, margin, frameTop, width,
          std::max(0, toTwips(this->height()) - frameTop - frameGap));
}

void QueryWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isMinimized())
        placeControls();
}

// The position is kept for the user (twips, as text); a minimised window
// has none worth keeping.
void QueryWindow::storePosition() {
    const QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
    const QWidget* placed = frame ? frame : this;
    if (placed->isMinimized())
        return;
    QSettings settings(QStringLiteral("Fieldizer"), QStringLiteral("Fieldizer"));
    settings.beginGroup(QStringLiteral("Settings"));
    settings.setValue(QStringLiteral("QueryLeft"), QString::number(toTwips(placed->x())));
    settings.setValue(QStringLiteral("QueryTop"), QString::number(toTwips(placed->y())));
}

void QueryWindow::closeEvent(QCloseEvent* event) {
    storePosition();
    state_.activeFormName.clear();
    event->accept();
}

} // namespace fieldizer::ui
