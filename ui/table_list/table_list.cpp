#include "ui/table_list/table_list.h"

#include "ui/text_box/cp1252_qstring.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace fieldizer::ui {

TableList::TableList(QWidget* parent)
    : QWidget(parent), label1_(new QLabel(this)), list1_(new QListWidget(this)) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromLatin1(tableListCaption));
    label1_->setObjectName(QStringLiteral("Label1"));
    list1_->setObjectName(QStringLiteral("List1"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addWidget(list1_, 1);
    connect(list1_, &QListWidget::itemDoubleClicked, this, &TableList::list1DblClick);
}

void TableList::setMode(const TableListMode& mode) {
    mode_ = mode;
    setWindowTitle(QString::fromLatin1(mode.caption));
    label1_->setText(QString::fromLatin1(mode.instruction));
    QPalette palette = label1_->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(mode.instructionRgb));
    label1_->setPalette(palette);
}

void TableList::setNames(const std::vector<std::string>& names) {
    list1_->clear();
    for (const std::string& name : names)
        list1_->addItem(toQString(name));
    if (list1_->count() > 0)
        list1_->setCurrentRow(0);
}

int TableList::count() const {
    return list1_->count();
}

void TableList::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

void TableList::list1DblClick(QListWidgetItem* item) {
    if (item)
        Q_EMIT tableChosen(fromQString(item->text()), mode_.deleting);
}

} // namespace fieldizer::ui
