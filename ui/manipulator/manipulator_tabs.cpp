// The tabs that keep and store the parameters, "Settings" and "Save to
// Database", and what changing tabs and coming back to the window do.
#include "shell/dialogs/error_report.h"
#include "shell/fieldize_grid/spec_grid_rules.h"
#include "shell/program_state/own_database.h"
#include "ui/manipulator/manipulator.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/manipulator/save_to_database_panel.h"
#include "ui/manipulator/settings_panel.h"
#include "ui/manipulator/tab_messages.h"
#include "ui/text_box/byte_text_box.h"

#include <QApplication>
#include <QTabWidget>
#include <QVBoxLayout>

namespace fieldizer::ui {

namespace names = manipulatorControls;

namespace {

enum Tab {
    TextLines,
    MoveText,
    AddText,
    ReplaceText,
    DeleteText,
    FormatText,
    FieldizeText,
    Settings,
    SaveToDatabase
};

// Fills an empty tab page with its panel.
template <class Panel> Panel* placeOn(QWidget* page, Panel* panel) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    return panel;
}

} // namespace

void Manipulator::buildSavingTabs() {
    settingsPanel_ = placeOn(tabs_->widget(Settings),
                             new SettingsPanel(state_, dialogs_, *this, tabs_->widget(Settings)));
    SaveToDatabaseHost host{[this] { return textBox_->bytes(); },
                            [this](const auto& work) { runFramed(work); },
                            [this] { return tabs_->currentIndex() == SaveToDatabase; }};
    savePanel_ = placeOn(
        tabs_->widget(SaveToDatabase),
        new SaveToDatabasePanel(state_, dialogs_, std::move(host), tabs_->widget(SaveToDatabase)));
    connect(this, &Manipulator::parametersChanged, settingsPanel_,
            &SettingsPanel::parametersChanged);
    connect(savePanel_, &SaveToDatabasePanel::parametersChanged, this,
            &Manipulator::parametersChanged);
    connect(savePanel_, &SaveToDatabasePanel::selectDatabaseRequested, this,
            &Manipulator::selectDatabaseRequested);
    connect(savePanel_, &SaveToDatabasePanel::serverDatabaseRequested, this,
            &Manipulator::serverDatabaseRequested);
    connect(savePanel_, &SaveToDatabasePanel::saved, this, &Manipulator::statusMessage);
    connect(settingsPanel_, &SettingsPanel::settingsNameChanged, this,
            [this](const std::string& table) { setSettingsName(settingsNameOfTable(table)); });
    connect(settingsPanel_, &SettingsPanel::specificationsReplaced, this,
            &Manipulator::refreshFieldizeGrid);
    connect(tabs_, &QTabWidget::currentChanged, this, &Manipulator::onTabChanged);
    connect(qApp, &QApplication::focusChanged, this, &Manipulator::focusChanged);
}

void Manipulator::onTabChanged() {
    if (!ownDatabaseIsCurrent(state_)) {
        try {
            makeOwnDatabaseCurrent(state_);
        } catch (const RuntimeError& error) {
            handleError(dialogs_, error);
        }
        savePanel_->refreshDbaseTableList();
    }
    // The tabs filled by other panels are reached by their controls' names.
    const auto focusOn = [this](const char* name) {
        if (auto* control = findChild<QWidget*>(QLatin1String(name)))
            control->setFocus();
    };
    const int tab = tabs_->currentIndex();
    // The guides the Fieldize tab drew stay in the text on Text/Lines, where
    // the next column is picked; the other tabs' columns mean other things.
    if (tab != TextLines && tab != FieldizeText)
        textBox_->setGuideColumns({});
    switch (tab) {
    case TextLines:
        textBox_->setEnabled(true);
        textBox_->setFocus();
        break;
    case MoveText:
        return focusOn(names::textToMove);
    case AddText:
        return focusOn(names::addText);
    case ReplaceText:
        return focusOn(names::replaceText);
    case DeleteText:
        return focusOn(names::deleteText);
    case FormatText:
        return focusOn(names::formatCreate);
    case FieldizeText:
        return refreshFieldizeGrid();
    case Settings:
        return settingsPanel_->enterTab();
    case SaveToDatabase:
        return savePanel_->refreshKeepingPosition();
    default:
        break;
    }
}

void Manipulator::checkDatabaseOnReturn() {
    if (passRunning_)
        return; // a save's own questions take the focus and give it back
    const int tab = tabs_->currentIndex();
    if (tab == SaveToDatabase)
        return savePanel_->refreshKeepingPosition();
    if ((tab != FieldizeText && tab != Settings) || ownDatabaseIsCurrent(state_))
        return;
    dialogs_.tell(notice(
        tab == FieldizeText ? tabMessageIds::fieldizeTabCloses : tabMessageIds::settingsTabCloses,
        databaseClosedMessage(tab == FieldizeText ? "Fieldize Text" : "Settings")));
    onTabChanged();
}

// Coming back means the focus enters this window from outside it: from
// another window inside the main window, or from a dialog now closed. The
// frame around this window (its MDI sub-window) is no other window.
void Manipulator::focusChanged(QWidget* old, QWidget* now) {
    // No former focus means the program came back from another
    // application, where no database of ours can have been opened.
    if (!old || !now || !isAncestorOf(now))
        return;
    if (old != this && !isAncestorOf(old) && !old->isAncestorOf(this))
        checkDatabaseOnReturn();
}

void Manipulator::setPanelsLoading(bool loading) {
    settingsPanel_->setPanelsLoading(loading);
}

bool Manipulator::settingsChanged() const {
    return settingsPanel_->settingsChanged();
}

void Manipulator::databaseChanged() {
    savePanel_->databaseChanged();
}

void Manipulator::useServerDatabase(std::shared_ptr<db::ServerDatabase> server) {
    savePanel_->useServerDatabase(std::move(server));
}

} // namespace fieldizer::ui
