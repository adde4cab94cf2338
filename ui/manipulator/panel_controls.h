#pragma once
// The building blocks of the operation panels: a field (caption, control and
// the spinner of a number box, enabled and shown together), the three-digit
// number box with its spinner, and the value of a parameter control read or
// set through its "settingsKey" property, whatever kind of control it is.

#include <QWidget>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QToolButton;

namespace fieldizer::ui {

// The spinner of a number box: steps it by 1 between 0 and 999; an empty box
// counts as 0.
class UpDown final : public QWidget {
    Q_OBJECT
  public:
    UpDown(QLineEdit* buddy, QWidget* parent);
    void step(int by);

  private:
    QLineEdit* buddy_;
};

// One labelled field. Enabling or hiding a field treats its caption, its
// control and its spinner together; a disabled field keeps its value.
struct PanelField {
    QLabel* caption = nullptr;
    QWidget* control = nullptr;
    UpDown* spinner = nullptr;

    void setEnabled(bool enabled) const;
    void setVisible(bool visible) const;
};

// Builds a panel's fields into a grid, one row each, in tab order.
class FieldGrid {
  public:
    FieldGrid(QWidget* panel, QGridLayout* grid) : panel_(panel), grid_(grid) {}

    // Every control carries its Settings key and is the buddy of its caption.
    PanelField numberBox(const char* name, const char* spinnerName, const char* key,
                         const char* caption);
    PanelField lineEdit(const char* name, const char* key, const char* caption,
                        const char* tip = nullptr);
    PanelField multiLine(const char* name, const char* key, const char* caption, const char* tip);
    // An editable combo box keeps what was typed exactly: no completer, and
    // Enter adds nothing to its list.
    PanelField editableCombo(const char* name, const char* key, const char* caption,
                             std::initializer_list<const char*> items, const char* tip);
    PanelField listCombo(const char* name, const char* key, const char* caption,
                         std::initializer_list<const char*> items, const char* current);
    // The spaces option ("Add spaces", "Omit spaces") and the place of
    // spaces ("Both sides", "Left side", "Right side") with their defaults.
    PanelField spacesOption(const char* name, const char* key, const char* caption);
    PanelField placeSpaces(const char* name, const char* key);
    QCheckBox* checkBox(const char* name, const char* key, const char* caption, bool checked);
    void addWidget(QWidget* widget);

  private:
    PanelField place(PanelField field);
    QWidget* panel_;
    QGridLayout* grid_;
    int row_ = 0;
};

// The Settings key a control carries, empty for other controls.
QString settingsKeyOf(const QWidget* control);

// A parameter control's value as the program's bytes: the text of a box or a
// combo box, "1" or "0" for a check box. A line break of a multi-line box is
// CR LF.
std::string controlValue(const QWidget* control);
// Puts a value into a parameter control, as a user would; its rules run.
void setControlValue(QWidget* control, std::string_view value);

QString latin(const char* text);
QComboBox* comboOf(const PanelField& field);
QLineEdit* lineEditOf(const PanelField& field);

} // namespace fieldizer::ui
