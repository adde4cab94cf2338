#include "ui/manipulator/parameter_controls.h"

#include "ui/text_box/cp1252_qstring.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace fieldizer::ui {
namespace {

// Qt's multi-line boxes hold LF; the program's text breaks lines with CR LF.
std::string withCrLf(const QString& text) {
    std::string bytes = fromQString(text);
    std::string result;
    result.reserve(bytes.size());
    for (char c : bytes) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

QString withLf(std::string_view value) {
    QString text = toQString(value);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// An editable combo keeps typed text; a list-only one can show only its items.
bool setComboText(QComboBox& combo, const QString& text) {
    if (combo.isEditable()) {
        combo.setEditText(text);
        return true;
    }
    const int index = combo.findText(text, Qt::MatchExactly);
    if (index < 0 && !text.isEmpty())
        return false;
    combo.setCurrentIndex(index);
    return true;
}

} // namespace

QWidget* parameterControl(const QWidget& root, std::string_view key) {
    const QString name = QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size()));
    for (QWidget* control : root.findChildren<QWidget*>())
        if (control->property("settingsKey").toString() == name)
            return control;
    return nullptr;
}

std::optional<std::string> controlValue(const QWidget& control) {
    if (const auto* line = qobject_cast<const QLineEdit*>(&control))
        return fromQString(line->text());
    if (const auto* combo = qobject_cast<const QComboBox*>(&control))
        return fromQString(combo->currentText());
    if (const auto* check = qobject_cast<const QAbstractButton*>(&control))
        return std::string(check->isChecked() ? "1" : "0");
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(&control))
        return withCrLf(plain->toPlainText());
    if (const auto* rich = qobject_cast<const QTextEdit*>(&control))
        return withCrLf(rich->toPlainText());
    return std::nullopt;
}

bool setControlValue(QWidget& control, std::string_view value) {
    if (auto* line = qobject_cast<QLineEdit*>(&control)) {
        line->setText(toQString(value));
        return true;
    }
    if (auto* combo = qobject_cast<QComboBox*>(&control))
        return setComboText(*combo, toQString(value));
    if (auto* check = qobject_cast<QAbstractButton*>(&control)) {
        if (value != "0" && value != "1")
            return false;
        // A click's handling runs on toggled; setting the same state again
        // changes nothing, as clicking a box into its own state would not.
        check->setChecked(value == "1");
        return true;
    }
    if (auto* plain = qobject_cast<QPlainTextEdit*>(&control)) {
        plain->setPlainText(withLf(value));
        return true;
    }
    if (auto* rich = qobject_cast<QTextEdit*>(&control)) {
        rich->setPlainText(withLf(value));
        return true;
    }
    return false;
}

ParameterValues readParameterControls(const QWidget& root) {
    ParameterValues values = defaultParameterValues();
    for (const ParameterKey& key : parameterKeys())
        if (const QWidget* control = parameterControl(root, key.name))
            if (auto value = controlValue(*control))
                values[std::string(key.name)] = std::move(*value);
    return values;
}

void showParameterValues(const QWidget& root, const ParameterValues& values) {
    for (const ParameterKey& key : parameterKeys()) {
        const auto value = values.find(key.name);
        if (value == values.end())
            continue;
        if (QWidget* control = parameterControl(root, key.name))
            setControlValue(*control, value->second);
    }
}

} // namespace fieldizer::ui
