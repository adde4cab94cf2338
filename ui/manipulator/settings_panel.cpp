#include "ui/manipulator/settings_panel.h"

#include "settings/name_list.h"
#include "settings/settings_actions.h"
#include "shell/dialogs/error_report.h"
#include "shell/program_state/own_database.h"
#include "ui/manipulator/list_position.h"
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
SettingsPanel::SettingsPanel(ProgramState& state, UserDialogs& dialogs, QWidget& parameters,
                             QWidget* parent)
    : QWidget(parent), state_(state), dialogs_(dialogs), parameters_(parameters) {
    buildControls();
    connect(command8_, &QPushButton::clicked, this, &SettingsPanel::Command8_Click);
    connect(command9_, &QPushButton::clicked, this, &SettingsPanel::Command9_Click);
    connect(command16_, &QPushButton::clicked, this, &SettingsPanel::Command16_Click);
    showState();
}

void SettingsPanel::buildControls() {
    setObjectName(QStringLiteral("settingsPanel"));
    combo16_ = named(new QComboBox(this), "Combo16");
    combo16_->setEditable(true);
    combo16_->setInsertPolicy(QComboBox::NoInsert);
    combo16_->setCompleter(nullptr); // the name is kept exactly as typed
    combo16_->setMinimumWidth(240);
    auto* nameLabel = label("settingsNameLabel", "Enter/Select name of settings:", combo16_, this);
    command8_ = button("Command8", "&Save Settings", this);
    command9_ = button("Command9", "S&elect Settings", this);
    command16_ = button("Command16", "&Delete Settings", this);

    auto* name = new QHBoxLayout;
    name->addWidget(nameLabel);
    name->addWidget(combo16_, 1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* each : {command8_, command9_, command16_})
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
    settings_.command8Enabled = true;
    command8_->setEnabled(true);
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
    settings_.nameBox.text = fromQString(combo16_->currentText());
    settings_.nameBox.selectedIndex = selectedPosition(*combo16_);
}

void SettingsPanel::showState() {
    {
        const QSignalBlocker quiet(combo16_);
        const NameBox& box = settings_.nameBox;
        combo16_->clear();
        for (const std::string& item : box.items)
            combo16_->addItem(toQString(item));
        if (box.selectedIndex >= 0 && box.selectedIndex < combo16_->count())
            combo16_->setCurrentIndex(box.selectedIndex);
        else
            combo16_->setEditText(toQString(box.text));
    }
    command8_->setEnabled(settings_.command8Enabled);
    command9_->setEnabled(settings_.command9Enabled);
    command16_->setEnabled(settings_.command16Enabled);
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
    combo16_->setFocus();
}

void SettingsPanel::Command8_Click() {
    takeNameBox();
    db::Database* database = this->database();
    if (!database)
        return;
    const std::string formerTable = settings_.currentSettingsTable;
    try {
        if (saveSettings(*database, dialogs_, readParameterControls(parameters_), settings_) ==
            SettingsOutcome::NameRefused)
            combo16_->setFocus();
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
    }
    showState();
    if (settings_.currentSettingsTable != formerTable)
        Q_EMIT settingsNameChanged(settings_.currentSettingsTable);
}

void SettingsPanel::Command9_Click() {
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
        combo16_->setFocus();
    if (outcome != SettingsOutcome::Done)
        return;
    // The restored values run each control's rules, but are no edits.
    panelsLoading_ = true;
    showParameterValues(parameters_, values);
    panelsLoading_ = false;
    settings_.settingsChanged = false;
    settings_.command8Enabled = false;
    showState();
    Q_EMIT settingsNameChanged(settings_.currentSettingsTable);
    Q_EMIT specificationsReplaced();
}

void SettingsPanel::Command16_Click() {
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
