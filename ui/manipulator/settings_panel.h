#pragma once
// The "Settings" tab (SSTab1Page7): the name box Combo16 and "&Save
// Settings" (Command8), "S&elect Settings" (Command9), "&Delete Settings"
// (Command16). It keeps settingsChanged and panelsLoading for the whole
// window: every parameter edit on any tab reaches parametersChanged(), and
// a restore sets panelsLoading so its own changes do not count as edits.

#include "settings/settings_state.h"
#include "shell/program_state/program_state.h"
#include "text_engine/user_dialogs.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QPushButton;

namespace fieldizer::ui {

class SettingsPanel final : public QWidget {
    Q_OBJECT
  public:
    // `parameters` is the widget whose children carry the "settingsKey"
    // property: the whole Manipulator.
    SettingsPanel(ProgramState& state, UserDialogs& dialogs, QWidget& parameters,
                  QWidget* parent = nullptr);

    // onTabChanged's steps for this tab: the list refilled with its position
    // kept, the buttons brought up to date, the focus into Combo16.
    void enterTab();
    // A parameter was edited: marks the Settings as changed unless a
    // restore or the window's loading is under way.
    void parametersChanged();
    bool settingsChanged() const { return settings_.settingsChanged; }
    bool panelsLoading() const { return panelsLoading_; }
    void setPanelsLoading(bool loading) { panelsLoading_ = loading; }
    // "fieldize_" + the set last saved or selected, "Settings: NOT SAVED"
    // after a delete, empty before either.
    const std::string& currentSettingsTable() const { return settings_.currentSettingsTable; }

  Q_SIGNALS:
    // The working specifications were replaced by a saved set's.
    void specificationsReplaced();
    // The current Settings table name changed.
    void settingsNameChanged(const std::string& table);

  private:
    void buildControls();
    void onSaveSettingsClicked();
    void onSelectSettingsClicked();
    void onDeleteSettingsClicked();
    // Combo16 and the buttons to and from the state the actions work on.
    void takeNameBox();
    void showState();
    // The program's own database, on the connection kept for the Settings.
    db::Database* database();

    ProgramState& state_;
    UserDialogs& dialogs_;
    QWidget& parameters_;
    SettingsState settings_;
    std::shared_ptr<db::Database> database_;
    bool panelsLoading_ = false;
    QComboBox* settingsNameCombo_ = nullptr;
    QPushButton* saveSettingsButton_ = nullptr;
    QPushButton* selectSettingsButton_ = nullptr;
    QPushButton* deleteSettingsButton_ = nullptr;
};

} // namespace fieldizer::ui
