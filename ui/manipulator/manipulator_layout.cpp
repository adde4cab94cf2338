// The Manipulator's controls, built once with their names.
#include "shell/editing/line_ends.h"
#include "ui/manipulator/manipulator.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/manipulator/named_controls.h"
#include "ui/text_box/byte_text_box.h"
#include "ui/text_box/column_ruler.h"
#include "ui/text_box/cp1252_qstring.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace fieldizer::ui {

namespace names = manipulatorControls;

namespace {

constexpr const char* tabCaptions[] = {"Text/Lines",    "Move Text",   "Add Text",
                                       "Replace Text",  "Delete Text", "Format Text",
                                       "Fieldize Text", "Settings",    "Save to Database"};

constexpr const char* counterTip =
    "Multiple lines welcome.  EACH carriage return at the end of a line adds 2 to the char "
    "count.  If scrollbar is enabled, at least two lines/a carriage return is in this field.";

} // namespace

void Manipulator::buildControls() {
    setObjectName(QLatin1String(names::window));
    setWindowTitle(QStringLiteral("Manipulator"));
    tabs_ = named(new QTabWidget(this), names::tabs);
    tabs_->addTab(buildTextLinesTab(), QString::fromLatin1(tabCaptions[0]));
    // The operation tabs are filled by their own panels.
    for (int tab = 1; tab < 9; ++tab) {
        auto* page = new QWidget(tabs_);
        page->setObjectName(QLatin1String(names::tabPages[tab]));
        tabs_->addTab(page, QString::fromLatin1(tabCaptions[tab]));
    }
    buildOperationPanels();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buildBottomRow());
}

QWidget* Manipulator::buildTextLinesTab() {
    auto* page = named(new QWidget(this), names::tabPages[0]);
    textBox_ = named(new ByteTextBox(page), names::textBox);
    auto* ruler = named(new ColumnRuler(textBox_, page), names::textBoxRuler);

    lineEndBar_ = named(new QWidget(page), names::lineEndBar);
    auto* lfText =
        named(new QLabel(QString::fromLatin1(loneLfNotice), lineEndBar_), names::lineEndNotice);
    auto* convert = button(names::convertLineEndsButton, convertToCrLfCaption, lineEndBar_);
    connect(convert, &QPushButton::clicked, this, &Manipulator::convertLineEnds);
    auto* lfLayout = new QHBoxLayout(lineEndBar_);
    lfLayout->setContentsMargins(4, 2, 4, 2);
    lfLayout->addWidget(lfText, 1);
    lfLayout->addWidget(convert);
    lineEndBar_->setStyleSheet(QStringLiteral("#lineEndBar { background: #fff4c2; }"));
    lineEndBar_->setVisible(false);

    joinLinesButton_ = button(names::joinLinesButton, "&Join Lines", page);
    joinLinesButton_->setToolTip(QStringLiteral("Preserves paragraphs"));
    createLineButton_ = button(names::createLineButton, "Create &Line", page);
    createLineButton_->setToolTip(QStringLiteral("Removes paragraphs"));
    startLineAfter_ = named(new QLineEdit(page), names::startLineAfter);
    startLineAfter_->setValidator(new QIntValidator(0, 999, startLineAfter_));
    startLineAfter_->setMaxLength(3);
    startLineAfter_->setFixedWidth(48);
    startLineAfter_->setProperty("settingsKey", QStringLiteral("startLineAfter"));
    breakLinesButton_ = button(names::breakLinesButton, "&Process", page);

    auto* tools = new QHBoxLayout;
    tools->addWidget(joinLinesButton_);
    tools->addWidget(createLineButton_);
    tools->addSpacing(24);
    tools->addWidget(
        label(names::startLineAfterLabel, "Start new line after every", startLineAfter_, page));
    tools->addWidget(startLineAfter_);
    tools->addWidget(label(names::startLineAfterUnitLabel, "characters", startLineAfter_, page));
    tools->addWidget(breakLinesButton_);
    tools->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lineEndBar_);
    // The ruler sits on the box, their edges in line.
    auto* rulerAndBox = new QVBoxLayout;
    rulerAndBox->setSpacing(0);
    rulerAndBox->addWidget(ruler);
    rulerAndBox->addWidget(textBox_, 1);
    layout->addLayout(rulerAndBox, 1);
    layout->addLayout(tools);
    return page;
}

QWidget* Manipulator::buildBottomRow() {
    auto* row = named(new QWidget(this), names::bottomRow);
    undoButton_ = button(names::undoButton, "&Undo", row);
    stopButton_ = button(names::stopButton, "&Stop", row);
    // The Stop button keeps the normal pointer so it can be aimed at.
    stopButton_->setCursor(Qt::ArrowCursor);
    progressBar_ = named(new QProgressBar(row), names::progressBar);
    progressBar_->setVisible(false);
    counterText_ = named(new QPlainTextEdit(row), names::counterText);
    counterText_->setToolTip(QString::fromLatin1(counterTip));
    counterText_->setTabChangesFocus(true);
    counterText_->setFixedHeight(counterText_->fontMetrics().lineSpacing() * 2 + 10);
    counterLength_ = named(new QLineEdit(QStringLiteral("0"), row), names::counterLength);
    counterLength_->setReadOnly(true);
    counterLength_->setFixedWidth(48);
    counterText_->setMinimumWidth(60);
    counterLabel_ =
        label(names::counterLabel, "Character Counter - Enter text:", counterText_, row);
    counterHasLabel_ = label(names::counterHasLabel, "has", counterLength_, row);
    counterUnitLabel_ = label(names::counterUnitLabel, "characters", counterLength_, row);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(undoButton_);
    layout->addWidget(stopButton_);
    layout->addWidget(progressBar_, 1);
    for (QWidget* widget :
         {static_cast<QWidget*>(counterLabel_), static_cast<QWidget*>(counterText_),
          static_cast<QWidget*>(counterHasLabel_), static_cast<QWidget*>(counterLength_),
          static_cast<QWidget*>(counterUnitLabel_)})
        layout->addWidget(widget, widget == counterText_ ? 1 : 0);
    return row;
}

QWidget* Manipulator::controlFor(const Focus& focus) const {
    if (focus.field != InputField::Parameter || !focus.key)
        return nullptr;
    const QString key =
        QString::fromLatin1(focus.key->name.data(), static_cast<qsizetype>(focus.key->name.size()));
    for (QWidget* control : findChildren<QWidget*>())
        if (control->property("settingsKey").toString() == key)
            return control;
    return nullptr;
}

void Manipulator::setCounterVisible(bool visible) {
    for (QWidget* widget :
         {static_cast<QWidget*>(counterLabel_), static_cast<QWidget*>(counterText_),
          static_cast<QWidget*>(counterHasLabel_), static_cast<QWidget*>(counterLength_),
          static_cast<QWidget*>(counterUnitLabel_)})
        widget->setVisible(visible);
}

void Manipulator::updateCounter() {
    // A line break typed into the box is CR LF to the program: it counts 2.
    const QString text = counterText_->toPlainText();
    counterLength_->setText(
        QString::number(fromQString(text).size() + text.count(QLatin1Char('\n'))));
}

} // namespace fieldizer::ui
