#include "ui/manipulator/operation_panel.h"

#include "shell/operation_fields/field_rules.h"
#include "ui/manipulator/manipulator.h"
#include "ui/manipulator/panel_controls.h"
#include "ui/text_box/cp1252_qstring.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace fieldizer::ui {
namespace {

// Calls `slot` on every change of a parameter control's value, whoever made
// it: typing, a click, a chosen item, or the program setting it.
template <class Slot> void connectValueChange(QWidget* control, QObject* context, Slot slot) {
    if (auto* box = qobject_cast<QLineEdit*>(control))
        QObject::connect(box, &QLineEdit::textChanged, context, slot);
    else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        QObject::connect(combo, &QComboBox::currentTextChanged, context, slot);
        QObject::connect(combo, &QComboBox::activated, context, slot);
    } else if (auto* check = qobject_cast<QCheckBox*>(control))
        QObject::connect(check, &QCheckBox::toggled, context, slot);
    else if (auto* text = qobject_cast<QPlainTextEdit*>(control))
        QObject::connect(text, &QPlainTextEdit::textChanged, context, slot);
}

bool isNumberBox(const QWidget* control) {
    const auto* box = qobject_cast<const QLineEdit*>(control);
    return box && box->validator();
}

} // namespace

OperationPanel::OperationPanel(OperationKind kind, QWidget* page)
    : QWidget(page), kind_(std::move(kind)), layout_(new QGridLayout), grid_(this, layout_) {
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(layout_);
    outer->addStretch(1);
    // The same width of controls on every tab, however long their captions.
    layout_->setColumnMinimumWidth(1, 260);
    layout_->setColumnStretch(2, 1);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(this);
}

// QWidget deletes the controls after this part of the panel is gone: no
// signal of theirs may reach a rule or the change marking any more.
OperationPanel::~OperationPanel() {
    for (QWidget* control : findChildren<QWidget*>())
        control->disconnect(this);
}

void OperationPanel::addProcessButton(const char* name, int nextTab) {
    process_ = new QPushButton(latin("&Process"), this);
    process_->setObjectName(QLatin1String(name));
    grid_.addWidget(process_);
    nextTab_ = nextTab;
    process_->installEventFilter(this);
    connect(process_, &QPushButton::clicked, this, &OperationPanel::processRequested);
}

void OperationPanel::addAfterProcessBoxes(const char* showName, const char* showKey,
                                          const char* selectName, const char* selectKey) {
    showTextTab_ = grid_.checkBox(showName, showKey, "After Process, show Text/Lines tab", true);
    selectAll_ = grid_.checkBox(selectName, selectKey, "Select All Text", false);
    onChange(showTextTab_, [this] {
        if (!showTextTab_->isChecked())
            selectAll_->setChecked(false);
        selectAll_->setEnabled(showTextTab_->isChecked());
    });
}

void OperationPanel::onChange(QWidget* control, std::function<void()> rule) {
    connectValueChange(control, this, rule);
    if (qobject_cast<QComboBox*>(control)) {
        control->installEventFilter(this);
        rules_.emplace_back(control, std::move(rule));
    }
}

std::function<void()> OperationPanel::spacesRule(const PanelField& options,
                                                 std::vector<PanelField> spaces) {
    auto rule = [options, spaces = std::move(spaces)] {
        const bool addSpaces = spacesFieldsEnabled(fromQString(comboOf(options)->currentText()));
        for (const PanelField& field : spaces)
            field.setEnabled(addSpaces);
    };
    onChange(options.control, rule);
    return rule;
}

std::function<void()> OperationPanel::endOfLineRule(QCheckBox* endOfLine,
                                                    const PanelField& column) {
    auto rule = [endOfLine, column] { column.setEnabled(!endOfLine->isChecked()); };
    onChange(endOfLine, rule);
    return rule;
}

void OperationPanel::finishBuilding(std::function<void()> applyAllRules) {
    for (QWidget* control : findChildren<QWidget*>())
        if (!settingsKeyOf(control).isEmpty())
            watchValue(control);
    applyAllRules();
    // The number boxes and their spinners start enabled whatever their
    // caption shows; each takes its rule's state once that rule runs.
    for (QWidget* control : findChildren<QWidget*>())
        if (isNumberBox(control) || qobject_cast<UpDown*>(control))
            control->setEnabled(true);
}

void OperationPanel::watchValue(QWidget* control) {
    connectValueChange(control, this, [this] { markChanged(); });
}

void OperationPanel::markChanged() {
    operationStale_ = true;
    Q_EMIT parametersChanged();
}

bool OperationPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // Receiving the focus re-applies a combo box's rule: no edit, even
        // where a restored set held values the rule does not leave together.
        const QSignalBlocker noEdit(this);
        for (const auto& [control, rule] : rules_)
            if (control == watched)
                rule();
    } else if (watched == process_ && event->type() == QEvent::KeyPress && nextTab_ >= 0 &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
        Q_EMIT nextTabRequested(nextTab_);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

ParameterValues OperationPanel::parameterValues() const {
    ParameterValues values;
    for (const QWidget* control : findChildren<QWidget*>()) {
        const QString key = settingsKeyOf(control);
        if (!key.isEmpty())
            values[key.toStdString()] = controlValue(control);
    }
    return values;
}

const LineOperation& OperationPanel::currentOperation() {
    if (operationStale_) {
        operation_ = kind_.makeOperation(parameterValues());
        operationStale_ = false;
    }
    return operation_;
}

PassRequest OperationPanel::passRequest() {
    PassRequest request;
    request.missingField = kind_.check(parameterValues());
    operationStale_ = true;
    request.operation = [this](std::string_view line, std::string& out) {
        return currentOperation()(line, out);
    };
    request.showTextTab = showTextTab_ && showTextTab_->isChecked();
    request.selectAll = selectAllAfterProcess_ && selectAll_ && selectAll_->isChecked();
    return request;
}

void OperationPanel::restoreNumberDefaults() {
    const QSignalBlocker quiet(this);
    for (QWidget* control : findChildren<QWidget*>())
        if (isNumberBox(control))
            static_cast<QLineEdit*>(control)->setText(latin("1"));
}

} // namespace fieldizer::ui
