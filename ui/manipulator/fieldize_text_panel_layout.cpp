// The controls of the "Fieldize Text" tab, built once with their names.
#include "ui/manipulator/fieldize_spec_model.h"
#include "ui/manipulator/fieldize_text_panel.h"
#include "ui/manipulator/named_widget.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace fieldizer::ui {
namespace {

QToolButton* navigationButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = named(new QToolButton(parent), name);
    button->setText(QString::fromLatin1(caption));
    button->setAutoRaise(true);
    return button;
}

QToolButton* arrowButton(const char* name, Qt::ArrowType arrow, QWidget* parent) {
    auto* button = named(new QToolButton(parent), name);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    return button;
}

} // namespace

void FieldizeTextPanel::buildControls() {
    setObjectName(QStringLiteral("fieldizeTextPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildGridArea(), 1);
    layout->addWidget(buildParameters());
    layout->addWidget(buildPreview(), 1);
}

QWidget* FieldizeTextPanel::buildGridArea() {
    auto* area = new QWidget(this);
    gridCaption_ = named(new QLabel(area), "DBGrid1Caption");
    gridCaption_->setAlignment(Qt::AlignCenter);
    gridCaption_->setStyleSheet(QStringLiteral("font-weight: bold;"));
    dbGrid1_ = named(new QTableView(area), "DBGrid1");
    dbGrid1_->setModel(model_);
    // A cell is edited when typed into or double-clicked, never merely for
    // becoming current: a row selected by its record selector is only
    // selected, and Delete reaches the grid, not an editor on its heading.
    dbGrid1_->setEditTriggers(QAbstractItemView::DoubleClicked |
                              QAbstractItemView::SelectedClicked |
                              QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // The headings take the room left; the numbers keep to their headers.
    dbGrid1_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    dbGrid1_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    dbGrid1_->verticalHeader()->setDefaultSectionSize(dbGrid1_->fontMetrics().height() + 6);
    dbGrid1_->installEventFilter(this);

    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gridCaption_);
    layout->addWidget(dbGrid1_, 1);
    layout->addWidget(buildNavigation());
    return area;
}

// Data1: the data control's strip, with its caption between the buttons
// that move to the first, previous, next and last record.
QWidget* FieldizeTextPanel::buildNavigation() {
    auto* strip = named(new QWidget(this), "Data1");
    data1Caption_ = named(new QLabel(strip), "Data1Caption");
    data1Caption_->setAlignment(Qt::AlignCenter);
    data1Caption_->setFrameShape(QFrame::StyledPanel);
    auto* first = navigationButton("Data1First", "|<", strip);
    auto* previous = navigationButton("Data1Previous", "<", strip);
    auto* next = navigationButton("Data1Next", ">", strip);
    auto* last = navigationButton("Data1Last", ">|", strip);
    connect(first, &QToolButton::clicked, this, [this] { moveTo(0); });
    connect(previous, &QToolButton::clicked, this,
            [this] { moveTo(dbGrid1_->currentIndex().row() - 1); });
    connect(next, &QToolButton::clicked, this,
            [this] { moveTo(dbGrid1_->currentIndex().row() + 1); });
    connect(last, &QToolButton::clicked, this, [this] { moveTo(model_->storedRowCount() - 1); });

    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(first);
    layout->addWidget(previous);
    layout->addWidget(data1Caption_, 1);
    layout->addWidget(next);
    layout->addWidget(last);
    return strip;
}

QWidget* FieldizeTextPanel::buildParameters() {
    auto* row = new QWidget(this);
    maskEdBox4_ = named(new QLineEdit(QStringLiteral("1"), row), "MaskEdBox4");
    maskEdBox4_->setValidator(new QIntValidator(0, 999, maskEdBox4_));
    maskEdBox4_->setMaxLength(3);
    maskEdBox4_->setFixedWidth(48);
    maskEdBox4_->setProperty("settingsKey", QStringLiteral("fieldizeStartLineAt"));
    // UpDown4: the spinner of MaskEdBox4, stepping by 1.
    auto* upDown4 = named(new QWidget(row), "UpDown4");
    auto* up = arrowButton("UpDown4Up", Qt::UpArrow, upDown4);
    auto* down = arrowButton("UpDown4Down", Qt::DownArrow, upDown4);
    connect(up, &QToolButton::clicked, this, [this] { stepStartColumn(1); });
    connect(down, &QToolButton::clicked, this, [this] { stepStartColumn(-1); });
    auto* spinner = new QVBoxLayout(upDown4);
    spinner->setContentsMargins(0, 0, 0, 0);
    spinner->setSpacing(0);
    for (QToolButton* arrow : {up, down}) {
        arrow->setFixedSize(16, 12);
        spinner->addWidget(arrow);
    }
    auto* caption = named(new QLabel(QStringLiteral("New lines start at column:"), row),
                          "fieldizeStartLineAtLabel");
    caption->setBuddy(maskEdBox4_);

    check10_ =
        named(new QCheckBox(QStringLiteral("After Process, show Text/Lines tab"), row), "Check10");
    check10_->setChecked(true);
    check10_->setProperty("settingsKey", QStringLiteral("fieldizeAfterProcess"));
    check16_ = named(new QCheckBox(QStringLiteral("Select All Text"), row), "Check16");
    check16_->setProperty("settingsKey", QStringLiteral("fieldizeAfterProcessShow"));
    command7_ = named(new QPushButton(QStringLiteral("&Process"), row), "Command7");
    command12_ = named(new QPushButton(QStringLiteral("&Clear settings"), row), "Command12");

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(maskEdBox4_);
    layout->addWidget(upDown4);
    layout->addSpacing(16);
    layout->addWidget(check10_);
    layout->addWidget(check16_);
    layout->addStretch(1);
    layout->addWidget(command12_);
    layout->addWidget(command7_);
    return row;
}

QWidget* FieldizeTextPanel::buildPreview() {
    auto* area = new QWidget(this);
    previewCaption_ = named(new QLabel(area), "fieldizePreviewCaption");
    preview_ = named(new QPlainTextEdit(area), "fieldizePreview");
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    preview_->setFocusPolicy(Qt::ClickFocus);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(previewCaption_);
    layout->addWidget(preview_, 1);
    return area;
}

} // namespace fieldizer::ui
