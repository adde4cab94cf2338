#include "ui/table_browser/table_browser.h"

#include "ui/table_browser/data_control.h"
#include "ui/table_browser/dynaset_model.h"
#include "ui/table_browser/table_browser_controls.h"
#include "ui/text_box/cp1252_qstring.h"
#include "workbench/database_engine/engine_errors.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace fieldizer::ui {

TableBrowser::TableBrowser(Kind kind, ProgramState& state, UserDialogs& dialogs, FileDialogs& files,
                           QWidget* parent)
    : QWidget(parent), kind_(kind), state_(state), dialogs_(dialogs), files_(files),
      model_(new DynasetModel(this)) {
    setObjectName(QLatin1String(kind == Kind::Table ? tableBrowserControls::tableWindow
                                                    : tableBrowserControls::queryWindow));
    setWindowTitle(kind == Kind::Table ? QStringLiteral("Opened Table")
                                       : QStringLiteral("Queries"));
    buildControls();
    connectControls();
    updatePositionCaption();
}

TableBrowser::~TableBrowser() = default;

void TableBrowser::buildControls() {
    gridCaption_ = new QLabel(this);
    gridCaption_->setObjectName(QLatin1String(tableBrowserControls::gridCaption));
    gridCaption_->setAlignment(Qt::AlignCenter);
    gridCaption_->hide();
    grid_ = new QTableView(this);
    grid_->setObjectName(QLatin1String(tableBrowserControls::grid));
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->horizontalHeader()->setSectionsClickable(true);
    // Fixed row heights: the view never measures a million rows.
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    dataControl_ = new DataControl(this);
    buttonBar_ = new QWidget(this);
    buttonBar_->setObjectName(QLatin1String(tableBrowserControls::buttonBar));
    auto* buttons = new QHBoxLayout(buttonBar_);
    buttons->setContentsMargins(0, 0, 0, 0);
    filterButton_ = addButton(tableBrowserControls::filterButton, "&Filter");
    sortButton_ = addButton(tableBrowserControls::sortButton, "&Sort");
    refreshButton_ = addButton(tableBrowserControls::refreshButton, "&Refresh");
    showAllButton_ = addButton(tableBrowserControls::showAllButton, "Show &All");
    printButton_ = addButton(tableBrowserControls::printButton, "&Print");
    printButton_->setToolTip(QStringLiteral("Print what's currently VISIBLE in this window."));
    exportButton_ = addButton(tableBrowserControls::exportButton, "E&xport to CSV...");
    closeButton_ = addButton(tableBrowserControls::closeButton, "&Close");
    showAllButton_->hide(); // offered only while a filter is in force
    // The grid takes the window's height less the data control and buttons.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gridCaption_);
    layout->addWidget(grid_, 1);
    layout->addWidget(dataControl_);
    layout->addWidget(buttonBar_);
}

QPushButton* TableBrowser::addButton(const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), buttonBar_);
    button->setObjectName(QLatin1String(name));
    buttonBar_->layout()->addWidget(button);
    return button;
}

void TableBrowser::connectControls() {
    connect(filterButton_, &QPushButton::clicked, this, &TableBrowser::filterCommand);
    connect(sortButton_, &QPushButton::clicked, this, &TableBrowser::sortCommand);
    connect(refreshButton_, &QPushButton::clicked, this, &TableBrowser::refreshCommand);
    connect(showAllButton_, &QPushButton::clicked, this, &TableBrowser::showAllCommand);
    connect(printButton_, &QPushButton::clicked, this, &TableBrowser::printCommand);
    connect(exportButton_, &QPushButton::clicked, this, &TableBrowser::exportCsvCommand);
    connect(closeButton_, &QPushButton::clicked, this, [this] {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->close();
        else
            close();
    });
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TableBrowser::headingClicked);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TableBrowser::currentRowChanged);
    connect(dataControl_, &DataControl::moveRequested, this,
            [this](DataControl::Move move) { dataControlMoved(int(move)); });
    connect(model_, &QAbstractItemModel::rowsInserted, this, &TableBrowser::updatePositionCaption);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &TableBrowser::updatePositionCaption);
    model_->confirmCommit = [this] { return askRowQuestion(commitChangesQuestion()); };
    model_->reportError = [this](const RuntimeError& error) { reportError(error); };
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
    grid_->horizontalHeader()->viewport()->installEventFilter(this);
}

QString TableBrowser::positionCaption() const {
    return dataControl_->caption();
}

void TableBrowser::updatePositionCaption() {
    const QModelIndex current = grid_->currentIndex();
    const long position = current.isValid() ? current.row() : -1;
    dataControl_->setCaption(
        toQString(fieldizer::positionCaption(position, model_->recordCount())));
}

// Leaving a row stores what was typed into it, all its fields as one
// record, after the question; the caption then tells the new place.
void TableBrowser::currentRowChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (previous.isValid() && previous.row() != current.row() &&
        model_->pendingRow() == previous.row())
        model_->commitPendingRow();
    updatePositionCaption();
}

void TableBrowser::moveTo(long position) {
    if (position < 0 || position >= model_->recordCount())
        return;
    const int column = std::max(grid_->currentIndex().column(), 0);
    const QModelIndex target = model_->index(int(position), column);
    grid_->setCurrentIndex(target);
    grid_->scrollTo(target);
    updatePositionCaption();
}

void TableBrowser::dataControlMoved(int move) {
    const long last = model_->recordCount() - 1;
    const long current = grid_->currentIndex().isValid() ? grid_->currentIndex().row() : 0;
    switch (DataControl::Move(move)) {
    case DataControl::Move::First:
        return moveTo(0);
    case DataControl::Move::Previous:
        return moveTo(std::max(current - 1, 0L));
    case DataControl::Move::Next:
        return moveTo(std::min(current + 1, last));
    case DataControl::Move::Last:
        return moveTo(last);
    }
}

void TableBrowser::showSource(const BrowserSource& source) {
    if (!state_.database)
        throw db::errors::error(db::errors::objectInvalid);
    model_->commitPendingRow();
    showRecordset(openBrowserRecordset(*state_.database, source));
    source_ = source;
    setWindowTitle(toQString(source.caption));
    gridCaption_->setText(toQString(source.table));
    gridCaption_->setVisible(kind_ == Kind::Table && !source.table.empty());
    setFilterOffered(false);
    pendingSort_.clear();
    justShown_ = true;
    if (kind_ == Kind::Table)
        state_.openTableName = source.table;
}

void TableBrowser::showRecordset(db::Recordset recordset) {
    model_->setRecordset(std::move(recordset));
    if (model_->recordCount() > 0)
        grid_->setCurrentIndex(model_->index(0, 0));
    updatePositionCaption();
}

void TableBrowser::setFilterOffered(bool offered) {
    refreshButton_->setText(offered ? QStringLiteral("Re-Filter") : QStringLiteral("&Refresh"));
    showAllButton_->setVisible(offered);
}

bool TableBrowser::askRowQuestion(const Message& question) {
    // A table copy writes through the table browser unasked.
    if (kind_ == Kind::Table && state_.tableCopyRunning)
        return true;
    return dialogs_.ask(question) == Answer::Yes;
}

void TableBrowser::activated() {
    state_.activeFormName = objectName().toStdString();
    if (justShown_ || !model_->recordset()) {
        justShown_ = false; // just opened: its rows are fresh
        return;
    }
    if (kind_ == Kind::Table)
        state_.openTableName = source_.table;
    model_->commitPendingRow();
    // Rows changed elsewhere show; the filter, the order and the place stay.
    const long position = grid_->currentIndex().isValid() ? grid_->currentIndex().row() : 0;
    try {
        model_->requery();
    } catch (const RuntimeError& error) {
        if (kind_ == Kind::QueryResult)
            reportError(error); // the query window's rows: Refresh reports
        return;
    }
    moveTo(std::min(position, model_->recordCount() - 1));
    updatePositionCaption();
}

bool TableBrowser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto modifiers = static_cast<QMouseEvent*>(event)->modifiers();
        pressModifiers_ = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    } else if (watched == grid_ && event->type() == QEvent::KeyPress) {
        // While a cell is edited its editor has the keys, not the grid.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete) {
            deleteCurrentRow();
            return true;
        }
        if (key == Qt::Key_Escape && model_->pendingRow() >= 0) {
            model_->discardPendingRow(); // Escape undoes the row's typing
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TableBrowser::closeEvent(QCloseEvent* event) {
    model_->commitPendingRow();
    if (kind_ == Kind::Table)
        model_->closeRecordset();
    else
        state_.activeFormName.clear();
    event->accept();
}

void TableBrowser::reportError(const RuntimeError& error) {
    dialogs_.tell(browserError(error));
}

} // namespace fieldizer::ui
