#pragma once
// What the five operation tabs share: the record read from the panel's
// parameter controls (by their Settings keys), the "&Process" button that
// hands a pass request to the Manipulator, the after-process pair of check
// boxes, and the marking of every parameter change.
//
// The pass reads the record for every line: the operation is rebuilt from the
// controls whenever one of them changed since the line before, so a field
// changed during a pass (the pass lets events through between lines) counts
// from the next line on, and an unchanged panel costs one flag test a line.

#include "text_engine/parameter_keys.h"
#include "text_engine/processing_pass.h"
#include "text_engine/required_fields.h"
#include "ui/manipulator/panel_controls.h"

#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QPushButton;

namespace fieldizer::ui {

struct PassRequest;

// How a panel's record becomes the engine's operation and its check.
struct OperationKind {
    std::function<LineOperation(const ParameterValues&)> makeOperation;
    std::function<std::optional<MissingField>(const ParameterValues&)> check;
};

// The kind of an engine operation: its record read from the values, its
// line operation and its required-field check.
template <class Parameters>
OperationKind operationKind(Parameters (*read)(const ParameterValues&),
                            LineOperation (*make)(Parameters),
                            std::optional<MissingField> (*check)(const Parameters&)) {
    return {[read, make](const ParameterValues& values) { return make(read(values)); },
            [read, check](const ParameterValues& values) { return check(read(values)); }};
}

class OperationPanel : public QWidget {
    Q_OBJECT
  public:
    OperationPanel(OperationKind kind, QWidget* page);
    ~OperationPanel() override;

    // Every parameter control of the panel with its current value.
    ParameterValues parameterValues() const;
    // The request of a "&Process" click: the required field, the operation
    // reading the panel line by line, the after-process options. The
    // operation refers to this panel and must not outlive it.
    PassRequest passRequest();
    QPushButton* processButton() const { return process_; }

    // The number boxes take their defaults again, as when the window opens;
    // no parameter change is announced for it.
    void restoreNumberDefaults();

  Q_SIGNALS:
    // A parameter changed by the user or the program (not by a focus).
    void parametersChanged();
    void processRequested();
    // Tab pressed on "&Process": the tab that comes next.
    void nextTabRequested(int tab);

  protected:
    // The panel's grid; fields are added in tab order.
    FieldGrid& grid() { return grid_; }
    // The "&Process" button, its Tab key leading to `nextTab` (-1: none).
    void addProcessButton(const char* name, int nextTab = -1);
    // The after-process pair: unchecking the first unchecks and disables the
    // second; checking it enables the second, left unchecked.
    void addAfterProcessBoxes(const char* showName, const char* showKey, const char* selectName,
                              const char* selectKey);
    // A rule runs on every change of the control's value (by the user or
    // the program) and, for a combo box, also when it receives the focus.
    void onChange(QWidget* control, std::function<void()> rule);
    // The shared rules; each is registered and returned for the defaults.
    // "Add spaces" (exactly) enables the spaces fields, any other value
    // disables them.
    std::function<void()> spacesRule(const PanelField& options, std::vector<PanelField> spaces);
    // A checked end-of-line box disables the column.
    std::function<void()> endOfLineRule(QCheckBox* endOfLine, const PanelField& column);
    // Call once every control is built: every parameter control announces
    // its changes from then on, the rules take their defaults and the number
    // boxes start enabled.
    void finishBuilding(std::function<void()> applyAllRules);
    // Whether the pass leaves the whole text selected (Move alone).
    bool selectAllAfterProcess_ = false;

  private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void watchValue(QWidget* control);
    void markChanged();
    const LineOperation& currentOperation();

    OperationKind kind_;
    QGridLayout* layout_;
    FieldGrid grid_;
    QPushButton* process_ = nullptr;
    QCheckBox* showTextTab_ = nullptr;
    QCheckBox* selectAll_ = nullptr;
    int nextTab_ = -1;
    std::vector<std::pair<QWidget*, std::function<void()>>> rules_;
    LineOperation operation_;
    bool operationStale_ = true;
};

} // namespace fieldizer::ui
