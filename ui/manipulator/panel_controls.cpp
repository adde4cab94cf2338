#include "ui/manipulator/panel_controls.h"

#include "ui/text_box/cp1252_qstring.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace fieldizer::ui {
namespace {

constexpr int numberBoxMaximum = 999;

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QToolButton* arrow(Qt::ArrowType type, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    // The spinner steps its box; the focus stays where the user typed.
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(18, 11);
    return button;
}

} // namespace

QString latin(const char* text) {
    return QString::fromLatin1(text);
}

UpDown::UpDown(QLineEdit* buddy, QWidget* parent) : QWidget(parent), buddy_(buddy) {
    auto* up = arrow(Qt::UpArrow, this);
    auto* down = arrow(Qt::DownArrow, this);
    connect(up, &QToolButton::clicked, this, [this] { step(1); });
    connect(down, &QToolButton::clicked, this, [this] { step(-1); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up);
    layout->addWidget(down);
}

void UpDown::step(int by) {
    const int value = std::clamp(buddy_->text().toInt() + by, 0, numberBoxMaximum);
    buddy_->setText(QString::number(value));
}

void PanelField::setEnabled(bool enabled) const {
    for (QWidget* part : {static_cast<QWidget*>(caption), control, static_cast<QWidget*>(spinner)})
        if (part)
            part->setEnabled(enabled);
}

void PanelField::setVisible(bool visible) const {
    for (QWidget* part : {static_cast<QWidget*>(caption), control, static_cast<QWidget*>(spinner)})
        if (part)
            part->setVisible(visible);
}

PanelField FieldGrid::place(PanelField field) {
    field.caption->setBuddy(field.control);
    grid_->addWidget(field.caption, row_, 0);
    if (field.spinner) {
        // The spinner stands right beside its box.
        auto* pair = new QHBoxLayout;
        pair->setSpacing(2);
        pair->addWidget(field.control);
        pair->addWidget(field.spinner);
        pair->addStretch(1);
        grid_->addLayout(pair, row_, 1);
    } else {
        grid_->addWidget(field.control, row_, 1);
    }
    ++row_;
    return field;
}

PanelField FieldGrid::numberBox(const char* name, const char* spinnerName, const char* key,
                                const char* caption) {
    auto* box = named(new QLineEdit(latin("1"), panel_), name);
    // Three digits or nothing; an empty box counts as 0.
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), box));
    box->setMaxLength(3);
    box->setFixedWidth(48);
    box->setProperty("settingsKey", latin(key));
    auto* spinner = named(new UpDown(box, panel_), spinnerName);
    return place({new QLabel(latin(caption), panel_), box, spinner});
}

PanelField FieldGrid::lineEdit(const char* name, const char* key, const char* caption,
                               const char* tip) {
    auto* box = named(new QLineEdit(panel_), name);
    box->setProperty("settingsKey", latin(key));
    if (tip)
        box->setToolTip(latin(tip));
    return place({new QLabel(latin(caption), panel_), box, nullptr});
}

PanelField FieldGrid::multiLine(const char* name, const char* key, const char* caption,
                                const char* tip) {
    auto* box = named(new QPlainTextEdit(panel_), name);
    box->setProperty("settingsKey", latin(key));
    box->setToolTip(latin(tip));
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setFixedHeight(box->fontMetrics().lineSpacing() * 2 + 10);
    return place({new QLabel(latin(caption), panel_), box, nullptr});
}

PanelField FieldGrid::editableCombo(const char* name, const char* key, const char* caption,
                                    std::initializer_list<const char*> items, const char* tip) {
    auto* combo = named(new QComboBox(panel_), name);
    combo->setEditable(true);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const char* item : items)
        combo->addItem(latin(item));
    combo->setEditText(QString());
    combo->setToolTip(latin(tip));
    combo->setProperty("settingsKey", latin(key));
    return place({new QLabel(latin(caption), panel_), combo, nullptr});
}

PanelField FieldGrid::listCombo(const char* name, const char* key, const char* caption,
                                std::initializer_list<const char*> items, const char* current) {
    auto* combo = named(new QComboBox(panel_), name);
    for (const char* item : items)
        combo->addItem(latin(item));
    combo->setCurrentText(latin(current));
    combo->setProperty("settingsKey", latin(key));
    return place({new QLabel(latin(caption), panel_), combo, nullptr});
}

PanelField FieldGrid::spacesOption(const char* name, const char* key, const char* caption) {
    return listCombo(name, key, caption, {"Add spaces", "Omit spaces"}, "Omit spaces");
}

PanelField FieldGrid::placeSpaces(const char* name, const char* key) {
    return listCombo(name, key, "Place spaces:", {"Both sides", "Left side", "Right side"},
                     "Both sides");
}

QCheckBox* FieldGrid::checkBox(const char* name, const char* key, const char* caption,
                               bool checked) {
    auto* box = named(new QCheckBox(latin(caption), panel_), name);
    box->setChecked(checked);
    box->setProperty("settingsKey", latin(key));
    grid_->addWidget(box, row_++, 0, 1, 2);
    return box;
}

void FieldGrid::addWidget(QWidget* widget) {
    grid_->addWidget(widget, row_++, 0, 1, 2, Qt::AlignLeft);
}

QString settingsKeyOf(const QWidget* control) {
    return control->property("settingsKey").toString();
}

std::string controlValue(const QWidget* control) {
    if (const auto* box = qobject_cast<const QLineEdit*>(control))
        return fromQString(box->text());
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return fromQString(combo->currentText());
    if (const auto* check = qobject_cast<const QCheckBox*>(control))
        return check->isChecked() ? "1" : "0";
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(control)) {
        // A CR LF put in by the program is one line break like a typed one.
        QString text = box->toPlainText();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        std::string value;
        for (char c : fromQString(text))
            value += c == '\n' ? std::string("\r\n") : std::string(1, c);
        return value;
    }
    return {};
}

void setControlValue(QWidget* control, std::string_view value) {
    if (auto* box = qobject_cast<QLineEdit*>(control))
        return box->setText(toQString(value));
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->isEditable())
            return combo->setEditText(toQString(value));
        return combo->setCurrentText(toQString(value));
    }
    if (auto* check = qobject_cast<QCheckBox*>(control))
        return check->setChecked(value == "1");
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        // The box shows a line break as one character.
        QString text = toQString(value);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        return box->setPlainText(text);
    }
}

QComboBox* comboOf(const PanelField& field) {
    return qobject_cast<QComboBox*>(field.control);
}

QLineEdit* lineEditOf(const PanelField& field) {
    return qobject_cast<QLineEdit*>(field.control);
}

} // namespace fieldizer::ui
