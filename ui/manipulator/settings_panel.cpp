#include "ui/manipulator/settings_panel.h"

#include "settings/name_list.h"
#include "settings/settings_actions.h"
#include "shell/dialogs/error_report.h"
#include "shell/program_state/own_database.h"
#include "ui/manipulator/list_position.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/manipulator/named_controls.h"
#include "ui/manipulator/parameter_controls.h"
#include "ui/text_box/cp1252_qstring.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace fieldizer::ui {

namespace names = manipulatorControls;
SettingsPanel::SettingsPanel(ProgramState& state, UserDialogs& dialogs, QWidget& parameters,
                             QWidget* parent)
    : QWidget(parent), state_(state), dialogs_(dialogs), parameters_(parameters) {
    buildControls();
    connect(saveSettingsButton_, &QPushButton::clicked, this,
            &SettingsPanel::onSaveSettingsClicked);
    connect(selectSettingsButton_, &QPushButton::clicked, this,
            &SettingsPanel::onSelectSettingsClicked);
    connect(deleteSettingsButton_, &QPushButton::clicked, this,
            &SettingsPanel::onDeleteSettingsClicked);
    showState();
}

void SettingsPanel::buildControls() {
    setObjectName(QLatin1String(names::settingsPanel));
    settingsNameCombo_ = named(new QComboBox(this), names::settingsName);
    settingsNameCombo_->setEditable(true);
    settingsNameCombo_->setInsertPolicy(QComboBox::NoInsert);
    settingsNameCombo_->setCompleter(nullptr); // the name is kept exactly as typed
    settingsNameCombo_->setMinimumWidth(240);
    auto* nameLabel =
        label(names::settingsNameLabel, "Enter/Select name of settings:", settingsNameCombo_, this);
    saveSettingsButton_ = button(names::saveSettingsButton, "&Save Settings", this);
    selectSettingsButton_ = button(names::selectSettingsButton, "S&elect Settings", this);
    deleteSettingsButton_ = button(names::deleteSettingsButton, "&Delete Settings", this);

    auto* name = new QHBoxLayout;
    name->addWidget(nameLabel);
    name->addWidget(settingsNameCombo_, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* each : {saveSettingsButton_, selectSettingsButton_, deleteSettingsButton_})
        buttons->addWidget(each);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addLayout(buttons);
    layout->addStretch(1);
}

void SettingsPanel::parametersChanged() {
    if (panelsLoading_)
        return;
    settings_.settingsChanged = true;
    settings_.saveSettingsEnabled = true;
    saveSettingsButton_->setEnabled(true);
}

// The Settings live in the program's own database, whichever database the
// user has made current (a tab change puts the program's back, but a click
// on a button may come first): nothing of the program's goes elsewhere.
db::Database* SettingsPanel::database() {
    try {
        database_ = ownDatabaseConnection(std::move(database_), state_);
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
        return nullptr;
    }
    return database_.get();
}

void SettingsPanel::takeNameBox() {
    settings_.nameBox.text = fromQString(settingsNameCombo_->currentText());
    settings_.nameBox.selectedIndex = selectedPosition(*settingsNameCombo_);
}

void SettingsPanel::showState() {
    {
        const QSignalBlocker quiet(settingsNameCombo_);
        const NameBox& box = settings_.nameBox;
        settingsNameCombo_->clear();
        for (const std::string& item : box.items)
            settingsNameCombo_->addItem(toQString(item));
        if (box.selectedIndex >= 0 && box.selectedIndex < settingsNameCombo_->count())
            settingsNameCombo_->setCurrentIndex(box.selectedIndex);
        else
            settingsNameCombo_->setEditText(toQString(box.text));
    }
    saveSettingsButton_->setEnabled(settings_.saveSettingsEnabled);
    selectSettingsButton_->setEnabled(settings_.selectSettingsEnabled);
    deleteSettingsButton_->setEnabled(settings_.deleteSettingsEnabled);
}

void SettingsPanel::enterTab() {
    takeNameBox();
    if (db::Database* database = this->database()) {
        try {
            enterSettingsTab(*database, settings_);
        } catch (const RuntimeError& error) {
            handleError(dialogs_, error);
        }
    }
    showState();
    settingsNameCombo_->setFocus();
}

void SettingsPanel::onSaveSettingsClicked() {
    takeNameBox();
    db::Database* database = this->database();
    if (!database)
        return;
    const std::string formerTable = settings_.currentSettingsTable;
    try {
        if (saveSettings(*database, dialogs_, readParameterControls(parameters_), settings_) ==
            SettingsOutcome::NameRefused)
            settingsNameCombo_->setFocus();
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
    }
    showState();
    if (settings_.currentSettingsTable != formerTable)
        Q_EMIT settingsNameChanged(settings_.currentSettingsTable);
}

void SettingsPanel::onSelectSettingsClicked() {
    takeNameBox();
    db::Database* database = this->database();
    if (!database)
        return;
    ParameterValues values = readParameterControls(parameters_);
    SettingsOutcome outcome = SettingsOutcome::NotOnFile;
    try {
        outcome = selectSettings(*database, dialogs_, values, settings_);
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
    }
    if (outcome == SettingsOutcome::NameRefused)
        settingsNameCombo_->setFocus();
    if (outcome != SettingsOutcome::Done)
        return;
    // The restored values run each control's rules, but are no edits.
    panelsLoading_ = true;
    showParameterValues(parameters_, values);
    panelsLoading_ = false;
    settings_.settingsChanged = false;
    settings_.saveSettingsEnabled = false;
    showState();
    Q_EMIT settingsNameChanged(settings_.currentSettingsTable);
    Q_EMIT specificationsReplaced();
}

void SettingsPanel::onDeleteSettingsClicked() {
    takeNameBox();
    db::Database* database = this->database();
    if (!database)
        return;
    const DeleteResult result = deleteSettings(*database, dialogs_, settings_);
    showState();
    if (result.outcome == SettingsOutcome::Done)
        Q_EMIT settingsNameChanged(settings_.currentSettingsTable);
}

} // namespace fieldizer::ui
