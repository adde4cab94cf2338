#include "ui/manipulator/save_to_database_panel.h"

#include "columns/save_summary.h"
#include "columns/spec_table.h"
#include "columns/table_list.h"
#include "shell/databases/save_target.h"
#include "shell/databases/server_choice.h"
#include "shell/dialogs/error_report.h"
#include "shell/program_state/own_database.h"
#include "ui/manipulator/list_position.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/manipulator/named_controls.h"
#include "ui/text_box/cp1252_qstring.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace fieldizer::ui {

namespace names = manipulatorControls;

namespace {

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The working specifications, read from the program's own database opened
// on its own, whichever database is current.
ColumnSpecs workingSpecs(const ProgramState& state) {
    auto own = ownDatabaseConnection(nullptr, state);
    ColumnSpecs specs = readColumnSpecs(*own, db::specificationTable);
    own->close();
    return specs;
}

} // namespace

SaveToDatabasePanel::SaveToDatabasePanel(ProgramState& state, UserDialogs& dialogs,
                                         SaveToDatabaseHost host, QWidget* parent)
    : QWidget(parent), state_(state), dialogs_(dialogs), host_(std::move(host)) {
    buildControls();
    connectControls();
    ownDatabaseOption_->setChecked(true);
    selectDatabaseButton_->setVisible(false);
    serverDatabaseButton_->setVisible(false);
    onProcessMethodChanged();
}

void SaveToDatabasePanel::buildControls() {
    setObjectName(QLatin1String(names::savePanel));
    tableNameCombo_ = named(new QComboBox(this), names::tableName);
    tableNameCombo_->setEditable(true);
    tableNameCombo_->setInsertPolicy(QComboBox::NoInsert);
    tableNameCombo_->setCompleter(nullptr); // the name is kept exactly as typed
    databaseProcessMethod_ = named(new QComboBox(this), names::databaseProcessMethod);
    databaseProcessMethod_->setEditable(true);
    databaseProcessMethod_->setInsertPolicy(QComboBox::NoInsert);
    databaseProcessMethod_->setCompleter(nullptr);
    databaseProcessMethod_->addItems(
        {latin1(parseByDelimiterMethod), latin1(useColumnSpecsMethod)});
    databaseProcessMethod_->setEditText(QString());
    databaseProcessMethod_->setProperty("settingsKey", QStringLiteral("databaseProcessMethod"));
    databaseProcessMethod_->installEventFilter(this);
    databaseDelimiter_ = named(new QLineEdit(this), names::databaseDelimiter);
    databaseDelimiter_->setToolTip(QStringLiteral("Spaces may be used as a delimiter."));
    databaseDelimiter_->setProperty("settingsKey", QStringLiteral("databaseDelimiter"));
    delimiterLabel_ =
        label(names::databaseDelimiterLabel, "Enter delimiter:", databaseDelimiter_, this);
    saveButton_ = button(names::saveButton, "&Save", this);
    selectDatabaseButton_ = button(names::selectDatabaseButton, "&Select Database", this);
    serverDatabaseButton_ = button(names::serverDatabaseButton, "Se&rver Database...", this);

    auto* fields = new QGridLayout;
    fields->addWidget(
        label(names::tableNameLabel, "Enter/Select table name:", tableNameCombo_, this), 0, 0);
    fields->addWidget(tableNameCombo_, 0, 1);
    fields->addWidget(
        label(names::processMethodLabel, "Process method:", databaseProcessMethod_, this), 1, 0);
    fields->addWidget(databaseProcessMethod_, 1, 1);
    fields->addWidget(delimiterLabel_, 2, 0);
    fields->addWidget(databaseDelimiter_, 2, 1);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton_);
    buttons->addWidget(selectDatabaseButton_);
    buttons->addWidget(serverDatabaseButton_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildSaveOptions());
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addStretch(1);
    // The tab order follows the form: options, table, method, delimiter,
    // then the buttons.
    setTabOrder(existingTableOption_, tableNameCombo_);
    setTabOrder(tableNameCombo_, databaseProcessMethod_);
    setTabOrder(databaseProcessMethod_, databaseDelimiter_);
    setTabOrder(databaseDelimiter_, saveButton_);
    setTabOrder(saveButton_, selectDatabaseButton_);
    setTabOrder(selectDatabaseButton_, serverDatabaseButton_);
}

QWidget* SaveToDatabasePanel::buildSaveOptions() {
    saveOptionsFrame_ =
        named(new QGroupBox(QStringLiteral("Save Options"), this), names::saveOptionsFrame);
    ownDatabaseOption_ =
        named(new QRadioButton(QStringLiteral("Fieldizer will create table in "
                                              "fieldizer.mdb, from info on Fieldize Text tab"),
                               saveOptionsFrame_),
              names::createInOwnDatabaseOption);
    chosenDatabaseOption_ =
        named(new QRadioButton(
                  QStringLiteral("I will specify Access database, Fieldizer will create table"),
                  saveOptionsFrame_),
              names::createInChosenDatabaseOption);
    existingTableOption_ =
        named(new QRadioButton(QStringLiteral("I will specify Access database and table"),
                               saveOptionsFrame_),
              names::existingTableOption);
    auto* layout = new QVBoxLayout(saveOptionsFrame_);
    for (QRadioButton* option : {ownDatabaseOption_, chosenDatabaseOption_, existingTableOption_})
        layout->addWidget(option);
    return saveOptionsFrame_;
}

void SaveToDatabasePanel::connectControls() {
    // An option runs its handling when the user chooses it, not when it is
    // left.
    connect(ownDatabaseOption_, &QRadioButton::clicked, this,
            &SaveToDatabasePanel::onOwnDatabaseChosen);
    connect(chosenDatabaseOption_, &QRadioButton::clicked, this,
            &SaveToDatabasePanel::onOtherDatabaseChosen);
    connect(existingTableOption_, &QRadioButton::clicked, this,
            &SaveToDatabasePanel::onOtherDatabaseChosen);
    connect(databaseProcessMethod_, &QComboBox::currentTextChanged, this, [this] {
        onProcessMethodChanged();
        Q_EMIT parametersChanged();
    });
    connect(databaseDelimiter_, &QLineEdit::textChanged, this,
            &SaveToDatabasePanel::parametersChanged);
    connect(saveButton_, &QPushButton::clicked, this, &SaveToDatabasePanel::onSaveClicked);
    connect(selectDatabaseButton_, &QPushButton::clicked, this,
            &SaveToDatabasePanel::selectDatabaseRequested);
    connect(serverDatabaseButton_, &QPushButton::clicked, this,
            &SaveToDatabasePanel::serverDatabaseRequested);
}

// Receiving the focus applies the method's rule again without counting as
// an edit.
bool SaveToDatabasePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == databaseProcessMethod_ && event->type() == QEvent::FocusIn)
        onProcessMethodChanged();
    return QWidget::eventFilter(watched, event);
}

SaveOption SaveToDatabasePanel::saveOption() const {
    if (chosenDatabaseOption_->isChecked())
        return SaveOption::ChosenDatabaseNewTable;
    if (existingTableOption_->isChecked())
        return SaveOption::ChosenDatabaseTable;
    return SaveOption::OwnDatabaseNewTable;
}

void SaveToDatabasePanel::onOwnDatabaseChosen() {
    selectDatabaseButton_->setVisible(false);
    serverDatabaseButton_->setVisible(false);
    server_.reset();
    try {
        makeOwnDatabaseCurrent(state_);
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
    }
    fillTableList();
}

// The user is to choose a database first; the list shows its tables then.
void SaveToDatabasePanel::onOtherDatabaseChosen() {
    selectDatabaseButton_->setVisible(true);
    serverDatabaseButton_->setVisible(true);
    chosenDbPath_.clear();
    server_.reset();
    tableNameCombo_->clear();
}

void SaveToDatabasePanel::databaseChanged() {
    if (saveOption() != SaveOption::OwnDatabaseNewTable) {
        chosenDbPath_ = state_.dbPath;
        server_.reset();
    }
    refreshKeepingPosition();
}

void SaveToDatabasePanel::useServerDatabase(std::shared_ptr<db::ServerDatabase> server) {
    server_ = std::move(server);
    chosenDbPath_.clear();
    refreshKeepingPosition();
}

void SaveToDatabasePanel::onProcessMethodChanged() {
    const bool byDelimiter = delimiterShown(fromQString(databaseProcessMethod_->currentText()));
    databaseDelimiter_->setVisible(byDelimiter);
    delimiterLabel_->setVisible(byDelimiter);
}

void SaveToDatabasePanel::refreshDbaseTableList() {
    if (server_ && saveOption() != SaveOption::OwnDatabaseNewTable)
        return fillTableList();
    if (state_.database && state_.database->isOpen())
        return fillTableList();
    if (host_.tabSelected && host_.tabSelected()) {
        // The first option is the one that needs no database chosen.
        ownDatabaseOption_->setChecked(true);
        return onOwnDatabaseChosen();
    }
    try {
        makeOwnDatabaseCurrent(state_);
    } catch (const RuntimeError&) {
        // The list stays empty; the next save says which database is
        // missing.
    }
    fillTableList();
}

void SaveToDatabasePanel::fillTableList() {
    tableNameCombo_->clear();
    const bool onServer = server_ && saveOption() != SaveOption::OwnDatabaseNewTable;
    db::RecordTarget* database =
        onServer ? static_cast<db::RecordTarget*>(server_.get()) : state_.database.get();
    if (database == nullptr)
        return;
    try {
        for (const std::string& name : listedTableNames(*database))
            tableNameCombo_->addItem(toQString(name));
    } catch (const RuntimeError&) {
        // A list that cannot be read stays empty, as it always has.
    }
}

void SaveToDatabasePanel::refreshKeepingPosition() {
    const QString text = tableNameCombo_->currentText();
    const int remembered = selectedPosition(*tableNameCombo_);
    refreshDbaseTableList();
    restorePosition(*tableNameCombo_, remembered, text);
}

void SaveToDatabasePanel::onSaveClicked() {
    SaveRequest request;
    request.tableName = fromQString(tableNameCombo_->currentText());
    request.processMethod = fromQString(databaseProcessMethod_->currentText());
    request.delimiter = fromQString(databaseDelimiter_->text());
    request.option = saveOption();
    runSave(std::move(request));
}

void SaveToDatabasePanel::runSave(SaveRequest request) {
    Focus refusedField;
    std::string summary;
    host_.runFramed([&](PassObserver& observer) {
        // A copy: the text box may be handed a new text while the save
        // yields to the event loop.
        const std::string text(host_.text());
        request.text = text;
        if (saveNeedsSpecs(request))
            request.specs = workingSpecs(state_);
        // Held for the whole save: a tab change meanwhile makes another
        // database current, and must not close this one under the writer.
        const ChosenSaveTarget chosen =
            chosenSaveTarget(request.option, server_, chosenDbPath_, state_);
        const SaveTarget target{chosen.database.get(), chosen.shownPath};
        const SaveOutcome outcome = saveToDatabase(request, target, dialogs_, observer);
        if (outcome.status == SaveStatus::Refused)
            refusedField = outcome.focus;
        if (hasSaveSummary(outcome))
            summary = saveSummary(outcome);
    });
    // Once the run is over: the buttons wait while it lasts.
    focusOn(refusedField);
    // Refilled on every way out: a table may have been created before an
    // error ended the save.
    refreshKeepingPosition();
    if (!summary.empty())
        Q_EMIT saved(toQString(summary));
}

void SaveToDatabasePanel::focusOn(const Focus& focus) {
    switch (focus.field) {
    case InputField::TableName:
        tableNameCombo_->setFocus();
        break;
    case InputField::DatabaseChoice:
        selectDatabaseButton_->setFocus();
        break;
    case InputField::Parameter:
        (focus.key->name == "databaseDelimiter" ? static_cast<QWidget*>(databaseDelimiter_)
                                                : databaseProcessMethod_)
            ->setFocus();
        break;
    default:
        break;
    }
}

} // namespace fieldizer::ui
