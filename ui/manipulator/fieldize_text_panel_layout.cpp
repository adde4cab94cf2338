// The controls of the "Fieldize Text" tab, built once with their names.
#include "ui/manipulator/fieldize_spec_model.h"
#include "ui/manipulator/fieldize_text_panel.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/manipulator/named_widget.h"
#include "ui/text_box/byte_text_box.h"
#include "ui/text_box/column_ruler.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace fieldizer::ui {

namespace names = manipulatorControls;

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
    setObjectName(QLatin1String(names::fieldizePanel));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildGridArea(), 1);
    layout->addWidget(buildLayoutCommands());
    layout->addWidget(buildParameters());
    layout->addWidget(buildPreview(), 1);
}

QWidget* FieldizeTextPanel::buildGridArea() {
    auto* area = new QWidget(this);
    gridCaption_ = named(new QLabel(area), names::specGridCaption);
    gridCaption_->setAlignment(Qt::AlignCenter);
    gridCaption_->setStyleSheet(QStringLiteral("font-weight: bold;"));
    specGrid_ = named(new QTableView(area), names::specGrid);
    specGrid_->setModel(model_);
    // A cell is edited when typed into or double-clicked, never merely for
    // becoming current: a row selected by its record selector is only
    // selected, and Delete reaches the grid, not an editor on its heading.
    specGrid_->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
        QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // The headings take the room left; the numbers keep to their headers.
    specGrid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    specGrid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    specGrid_->verticalHeader()->setDefaultSectionSize(specGrid_->fontMetrics().height() + 6);
    specGrid_->installEventFilter(this);

    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gridCaption_);
    layout->addWidget(specGrid_, 1);
    layout->addWidget(buildNavigation());
    return area;
}

// The data control's strip, with its caption between the buttons
// that move to the first, previous, next and last record.
QWidget* FieldizeTextPanel::buildNavigation() {
    auto* strip = named(new QWidget(this), names::specNavigation);
    positionCaption_ = named(new QLabel(strip), names::specPositionCaption);
    positionCaption_->setAlignment(Qt::AlignCenter);
    positionCaption_->setFrameShape(QFrame::StyledPanel);
    auto* first = navigationButton(names::specFirstButton, "|<", strip);
    auto* previous = navigationButton(names::specPreviousButton, "<", strip);
    auto* next = navigationButton(names::specNextButton, ">", strip);
    auto* last = navigationButton(names::specLastButton, ">|", strip);
    connect(first, &QToolButton::clicked, this, [this] { moveTo(0); });
    connect(previous, &QToolButton::clicked, this,
            [this] { moveTo(specGrid_->currentIndex().row() - 1); });
    connect(next, &QToolButton::clicked, this,
            [this] { moveTo(specGrid_->currentIndex().row() + 1); });
    connect(last, &QToolButton::clicked, this, [this] { moveTo(model_->storedRowCount() - 1); });

    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(first);
    layout->addWidget(previous);
    layout->addWidget(positionCaption_, 1);
    layout->addWidget(next);
    layout->addWidget(last);
    return strip;
}

QWidget* FieldizeTextPanel::buildParameters() {
    auto* row = new QWidget(this);
    fieldizeStartLineAt_ =
        named(new QLineEdit(QStringLiteral("1"), row), names::fieldizeStartLineAt);
    fieldizeStartLineAt_->setValidator(new QIntValidator(0, 999, fieldizeStartLineAt_));
    fieldizeStartLineAt_->setMaxLength(3);
    fieldizeStartLineAt_->setFixedWidth(48);
    fieldizeStartLineAt_->setProperty("settingsKey", QStringLiteral("fieldizeStartLineAt"));
    // The spinner of the start column, stepping by 1.
    auto* spinner = named(new QWidget(row), names::fieldizeStartLineAtSpinner);
    auto* up = arrowButton(names::fieldizeStartLineAtUp, Qt::UpArrow, spinner);
    auto* down = arrowButton(names::fieldizeStartLineAtDown, Qt::DownArrow, spinner);
    connect(up, &QToolButton::clicked, this, [this] { stepStartColumn(1); });
    connect(down, &QToolButton::clicked, this, [this] { stepStartColumn(-1); });
    auto* arrows = new QVBoxLayout(spinner);
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    for (QToolButton* arrow : {up, down}) {
        arrow->setFixedSize(16, 12);
        arrows->addWidget(arrow);
    }
    auto* caption = named(new QLabel(QStringLiteral("New lines start at column:"), row),
                          names::fieldizeStartLineAtLabel);
    caption->setBuddy(fieldizeStartLineAt_);

    fieldizeAfterProcess_ =
        named(new QCheckBox(QStringLiteral("After Process, show Text/Lines tab"), row),
              names::fieldizeAfterProcess);
    fieldizeAfterProcess_->setChecked(true);
    fieldizeAfterProcess_->setProperty("settingsKey", QStringLiteral("fieldizeAfterProcess"));
    fieldizeAfterProcessShow_ = named(new QCheckBox(QStringLiteral("Select All Text"), row),
                                      names::fieldizeAfterProcessShow);
    fieldizeAfterProcessShow_->setProperty("settingsKey",
                                           QStringLiteral("fieldizeAfterProcessShow"));
    processButton_ =
        named(new QPushButton(QStringLiteral("&Process"), row), names::fieldizeProcessButton);
    clearSpecsButton_ =
        named(new QPushButton(QStringLiteral("&Clear settings"), row), names::clearSpecsButton);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(fieldizeStartLineAt_);
    layout->addWidget(spinner);
    layout->addSpacing(16);
    layout->addWidget(fieldizeAfterProcess_);
    layout->addWidget(fieldizeAfterProcessShow_);
    layout->addStretch(1);
    layout->addWidget(clearSpecsButton_);
    layout->addWidget(processButton_);
    return row;
}

QWidget* FieldizeTextPanel::buildPreview() {
    auto* area = new QWidget(this);
    previewCaption_ = named(new QLabel(area), names::previewCaption);
    preview_ = named(new ByteTextBox(area), names::preview);
    preview_->setReadOnly(true);
    preview_->setFocusPolicy(Qt::ClickFocus);
    previewCaption_->setBuddy(preview_);
    auto* ruler = named(new ColumnRuler(preview_, area), names::previewRuler);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(previewCaption_);
    // The ruler sits on the preview, their edges in line.
    auto* rulerAndPreview = new QVBoxLayout;
    rulerAndPreview->setSpacing(0);
    rulerAndPreview->addWidget(ruler);
    rulerAndPreview->addWidget(preview_, 1);
    layout->addLayout(rulerAndPreview, 1);
    return area;
}

} // namespace fieldizer::ui
