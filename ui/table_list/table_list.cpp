#include "ui/table_list/table_list.h"

#include "ui/table_list/table_list_controls.h"
#include "ui/text_box/cp1252_qstring.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace fieldizer::ui {

TableList::TableList(QWidget* parent)
    : QWidget(parent), instruction_(new QLabel(this)), tableNames_(new QListWidget(this)) {
    setObjectName(QLatin1String(tableListControls::window));
    setWindowTitle(QString::fromLatin1(tableListCaption));
    instruction_->setObjectName(QLatin1String(tableListControls::instructionLabel));
    tableNames_->setObjectName(QLatin1String(tableListControls::tableNamesList));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction_);
    layout->addWidget(tableNames_, 1);
    connect(tableNames_, &QListWidget::itemDoubleClicked, this, &TableList::onTableDoubleClicked);
}

void TableList::setMode(const TableListMode& mode) {
    mode_ = mode;
    setWindowTitle(QString::fromLatin1(mode.caption));
    instruction_->setText(QString::fromLatin1(mode.instruction));
    QPalette palette = instruction_->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(mode.instructionRgb));
    instruction_->setPalette(palette);
}

void TableList::setNames(const std::vector<std::string>& names) {
    tableNames_->clear();
    for (const std::string& name : names)
        tableNames_->addItem(toQString(name));
    if (tableNames_->count() > 0)
        tableNames_->setCurrentRow(0);
}

int TableList::count() const {
    return tableNames_->count();
}

void TableList::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

void TableList::onTableDoubleClicked(QListWidgetItem* item) {
    if (item)
        Q_EMIT tableChosen(fromQString(item->text()), mode_.deleting);
}

} // namespace fieldizer::ui
