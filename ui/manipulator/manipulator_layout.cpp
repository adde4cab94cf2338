// The Manipulator's controls, built once with their names.
#include "shell/editing/line_ends.h"
#include "ui/manipulator/manipulator.h"
#include "ui/manipulator/named_controls.h"
#include "ui/text_box/byte_text_box.h"
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
namespace {

constexpr const char* tabCaptions[] = {"Text/Lines",    "Move Text",   "Add Text",
                                       "Replace Text",  "Delete Text", "Format Text",
                                       "Fieldize Text", "Settings",    "Save to Database"};

constexpr const char* counterTip =
    "Multiple lines welcome.  EACH carriage return at the end of a line adds 2 to the char "
    "count.  If scrollbar is enabled, at least two lines/a carriage return is in this field.";

} // namespace

void Manipulator::buildControls() {
    setObjectName(QStringLiteral("Fieldz1"));
    setWindowTitle(QStringLiteral("Manipulator"));
    sstab1_ = named(new QTabWidget(this), "SSTab1");
    sstab1_->addTab(buildTextLinesTab(), QString::fromLatin1(tabCaptions[0]));
    // The operation tabs are filled by their own panels.
    for (int tab = 1; tab < 9; ++tab) {
        auto* page = new QWidget(sstab1_);
        page->setObjectName(QStringLiteral("SSTab1Page%1").arg(tab));
        sstab1_->addTab(page, QString::fromLatin1(tabCaptions[tab]));
    }
    buildOperationPanels();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sstab1_, 1);
    layout->addWidget(buildBottomRow());
}

QWidget* Manipulator::buildTextLinesTab() {
    auto* page = named(new QWidget(this), "SSTab1Page0");
    richTextBox1_ = named(new ByteTextBox(page), "RichTextBox1");

    lfBar_ = named(new QWidget(page), "lineEndBar");
    auto* lfText = named(new QLabel(QString::fromLatin1(loneLfNotice), lfBar_), "lineEndNotice");
    auto* convert = button("convertLineEnds", convertToCrLfCaption, lfBar_);
    connect(convert, &QPushButton::clicked, this, &Manipulator::convertLineEnds);
    auto* lfLayout = new QHBoxLayout(lfBar_);
    lfLayout->setContentsMargins(4, 2, 4, 2);
    lfLayout->addWidget(lfText, 1);
    lfLayout->addWidget(convert);
    lfBar_->setStyleSheet(QStringLiteral("#lineEndBar { background: #fff4c2; }"));
    lfBar_->setVisible(false);

    command13_ = button("Command13", "&Join Lines", page);
    command13_->setToolTip(QStringLiteral("Preserves paragraphs"));
    command15_ = button("Command15", "Create &Line", page);
    command15_->setToolTip(QStringLiteral("Removes paragraphs"));
    maskEdBox17_ = named(new QLineEdit(page), "MaskEdBox17");
    maskEdBox17_->setValidator(new QIntValidator(0, 999, maskEdBox17_));
    maskEdBox17_->setMaxLength(3);
    maskEdBox17_->setFixedWidth(48);
    maskEdBox17_->setProperty("settingsKey", QStringLiteral("startLineAfter"));
    command14_ = button("Command14", "&Process", page);

    auto* tools = new QHBoxLayout;
    tools->addWidget(command13_);
    tools->addWidget(command15_);
    tools->addSpacing(24);
    tools->addWidget(label("Label30", "Start new line after every", maskEdBox17_, page));
    tools->addWidget(maskEdBox17_);
    tools->addWidget(label("Label31", "characters", maskEdBox17_, page));
    tools->addWidget(command14_);
    tools->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(lfBar_);
    layout->addWidget(richTextBox1_, 1);
    layout->addLayout(tools);
    return page;
}

QWidget* Manipulator::buildBottomRow() {
    auto* row = named(new QWidget(this), "bottomRow");
    command1_ = button("Command1", "&Undo", row);
    command17_ = button("Command17", "&Stop", row);
    // The Stop button keeps the normal pointer so it can be aimed at.
    command17_->setCursor(Qt::ArrowCursor);
    progressBar1_ = named(new QProgressBar(row), "ProgressBar1");
    progressBar1_->setVisible(false);
    text7_ = named(new QPlainTextEdit(row), "Text7");
    text7_->setToolTip(QString::fromLatin1(counterTip));
    text7_->setTabChangesFocus(true);
    text7_->setFixedHeight(text7_->fontMetrics().lineSpacing() * 2 + 10);
    text8_ = named(new QLineEdit(QStringLiteral("0"), row), "Text8");
    text8_->setReadOnly(true);
    text8_->setFixedWidth(48);
    text7_->setMinimumWidth(60);
    label28_ = label("Label28", "Character Counter - Enter text:", text7_, row);
    label27_ = label("Label27", "has", text8_, row);
    label29_ = label("Label29", "characters", text8_, row);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(command1_);
    layout->addWidget(command17_);
    layout->addWidget(progressBar1_, 1);
    for (QWidget* widget : {static_cast<QWidget*>(label28_), static_cast<QWidget*>(text7_),
                            static_cast<QWidget*>(label27_), static_cast<QWidget*>(text8_),
                            static_cast<QWidget*>(label29_)})
        layout->addWidget(widget, widget == text7_ ? 1 : 0);
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
    for (QWidget* widget : {static_cast<QWidget*>(label28_), static_cast<QWidget*>(text7_),
                            static_cast<QWidget*>(label27_), static_cast<QWidget*>(text8_),
                            static_cast<QWidget*>(label29_)})
        widget->setVisible(visible);
}

void Manipulator::updateCounter() {
    // A line break typed into the box is CR LF to the program: it counts 2.
    const QString text = text7_->toPlainText();
    text8_->setText(QString::number(fromQString(text).size() + text.count(QLatin1Char('\n'))));
}

} // namespace fieldizer::ui
