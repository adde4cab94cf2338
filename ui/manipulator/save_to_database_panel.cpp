#include "ui/manipulator/save_to_database_panel.h"

#include "columns/save_summary.h"
#include "columns/spec_table.h"
#include "columns/table_list.h"
#include "shell/dialogs/error_report.h"
#include "shell/menus/menu_rules.h"
#include "shell/program_state/own_database.h"
#include "ui/manipulator/list_position.h"
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
    option1_->setChecked(true);
    command11_->setVisible(false);
    Combo18_Change();
}

void SaveToDatabasePanel::buildControls() {
    setObjectName(QStringLiteral("saveToDatabasePanel"));
    combo17_ = named(new QComboBox(this), "Combo17");
    combo17_->setEditable(true);
    combo17_->setInsertPolicy(QComboBox::NoInsert);
    combo17_->setCompleter(nullptr); // the name is kept exactly as typed
    combo18_ = named(new QComboBox(this), "Combo18");
    combo18_->setEditable(true);
    combo18_->setInsertPolicy(QComboBox::NoInsert);
    combo18_->setCompleter(nullptr);
    combo18_->addItems({latin1(parseByDelimiterMethod), latin1(useColumnSpecsMethod)});
    combo18_->setEditText(QString());
    combo18_->setProperty("settingsKey", QStringLiteral("databaseProcessMethod"));
    combo18_->installEventFilter(this);
    text10_ = named(new QLineEdit(this), "Text10");
    text10_->setToolTip(QStringLiteral("Spaces may be used as a delimiter."));
    text10_->setProperty("settingsKey", QStringLiteral("databaseDelimiter"));
    label45_ = label("Label45", "Enter delimiter:", text10_, this);
    command10_ = button("Command10", "&Save", this);
    command11_ = button("Command11", "&Select Database", this);

    auto* fields = new QGridLayout;
    fields->addWidget(label("tableNameLabel", "Enter/Select table name:", combo17_, this), 0, 0);
    fields->addWidget(combo17_, 0, 1);
    fields->addWidget(label("processMethodLabel", "Process method:", combo18_, this), 1, 0);
    fields->addWidget(combo18_, 1, 1);
    fields->addWidget(label45_, 2, 0);
    fields->addWidget(text10_, 2, 1);
    fields->setColumnStretch(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(command10_);
    buttons->addWidget(command11_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildFrame1());
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addStretch(1);
    // The tab order follows the form: options, table, method, delimiter,
    // then the buttons.
    setTabOrder(option3_, combo17_);
    setTabOrder(combo17_, combo18_);
    setTabOrder(combo18_, text10_);
    setTabOrder(text10_, command10_);
    setTabOrder(command10_, command11_);
}

QWidget* SaveToDatabasePanel::buildFrame1() {
    frame1_ = named(new QGroupBox(QStringLiteral("Save Options"), this), "Frame1");
    option1_ =
        named(new QRadioButton(QStringLiteral("Fieldizer will create table in "
                                              "fieldizer.mdb, from info on Fieldize Text tab"),
                               frame1_),
              "Option1");
    option2_ = named(
        new QRadioButton(
            QStringLiteral("I will specify Access database, Fieldizer will create table"), frame1_),
        "Option2");
    option3_ =
        named(new QRadioButton(QStringLiteral("I will specify Access database and table"), frame1_),
              "Option3");
    auto* layout = new QVBoxLayout(frame1_);
    for (QRadioButton* option : {option1_, option2_, option3_})
        layout->addWidget(option);
    return frame1_;
}

void SaveToDatabasePanel::connectControls() {
    // An option runs its handling when the user chooses it, not when it is
    // left.
    connect(option1_, &QRadioButton::clicked, this, &SaveToDatabasePanel::Option1_Click);
    connect(option2_, &QRadioButton::clicked, this, &SaveToDatabasePanel::otherOption_Click);
    connect(option3_, &QRadioButton::clicked, this, &SaveToDatabasePanel::otherOption_Click);
    connect(combo18_, &QComboBox::currentTextChanged, this, [this] {
        Combo18_Change();
        Q_EMIT parametersChanged();
    });
    connect(text10_, &QLineEdit::textChanged, this, &SaveToDatabasePanel::parametersChanged);
    connect(command10_, &QPushButton::clicked, this, &SaveToDatabasePanel::Command10_Click);
    connect(command11_, &QPushButton::clicked, this, &SaveToDatabasePanel::selectDatabaseRequested);
}

// Receiving the focus applies the method's rule again without counting as
// an edit.
bool SaveToDatabasePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == combo18_ && event->type() == QEvent::FocusIn)
        Combo18_Change();
    return QWidget::eventFilter(watched, event);
}

SaveOption SaveToDatabasePanel::saveOption() const {
    if (option2_->isChecked())
        return SaveOption::ChosenDatabaseNewTable;
    if (option3_->isChecked())
        return SaveOption::ChosenDatabaseTable;
    return SaveOption::OwnDatabaseNewTable;
}

void SaveToDatabasePanel::Option1_Click() {
    command11_->setVisible(false);
    try {
        makeOwnDatabaseCurrent(state_);
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
    }
    fillTableList();
}

// The user is to choose a database first; the list shows its tables then.
void SaveToDatabasePanel::otherOption_Click() {
    command11_->setVisible(true);
    chosenDbPath_.clear();
    combo17_->clear();
}

void SaveToDatabasePanel::databaseChanged() {
    if (saveOption() != SaveOption::OwnDatabaseNewTable)
        chosenDbPath_ = state_.dbPath;
    refreshKeepingPosition();
}

// Options 2 and 3 promise the user's own database: until one is chosen (or
// after a tab change put the program's back), there is none to write to,
// rather than the program's database the user did not ask for.
std::shared_ptr<db::Database> SaveToDatabasePanel::targetDatabase() const {
    if (saveOption() != SaveOption::OwnDatabaseNewTable &&
        (chosenDbPath_.empty() || !samePathIgnoringCase(chosenDbPath_, state_.dbPath)))
        return nullptr;
    return state_.database;
}

void SaveToDatabasePanel::Combo18_Change() {
    const bool byDelimiter = fromQString(combo18_->currentText()) == parseByDelimiterMethod;
    text10_->setVisible(byDelimiter);
    label45_->setVisible(byDelimiter);
}

void SaveToDatabasePanel::refreshDbaseTableList() {
    if (state_.database && state_.database->isOpen())
        return fillTableList();
    if (host_.tabSelected && host_.tabSelected()) {
        // The first option is the one that needs no database chosen.
        option1_->setChecked(true);
        return Option1_Click();
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
    combo17_->clear();
    if (!state_.database)
        return;
    try {
        for (const std::string& name : listedTableNames(*state_.database))
            combo17_->addItem(toQString(name));
    } catch (const RuntimeError&) {
        // A list that cannot be read stays empty, as it always has.
    }
}

void SaveToDatabasePanel::refreshKeepingPosition() {
    const QString text = combo17_->currentText();
    const int remembered = selectedPosition(*combo17_);
    refreshDbaseTableList();
    restorePosition(*combo17_, remembered, text);
}

void SaveToDatabasePanel::Command10_Click() {
    SaveRequest request;
    request.tableName = fromQString(combo17_->currentText());
    request.processMethod = fromQString(combo18_->currentText());
    request.delimiter = fromQString(text10_->text());
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
        const bool needsSpecs = request.option != SaveOption::ChosenDatabaseTable ||
                                request.processMethod == useColumnSpecsMethod;
        if (needsSpecs && !request.text.empty())
            request.specs = workingSpecs(state_);
        // Held for the whole save: a tab change meanwhile makes another
        // database current, and must not close this one under the writer.
        const std::shared_ptr<db::Database> database = targetDatabase();
        const SaveTarget target{database.get(), database ? state_.dbPath : std::filesystem::path()};
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
        combo17_->setFocus();
        break;
    case InputField::DatabaseChoice:
        command11_->setFocus();
        break;
    case InputField::Parameter:
        (focus.key->name == "databaseDelimiter" ? static_cast<QWidget*>(text10_) : combo18_)
            ->setFocus();
        break;
    default:
        break;
    }
}

} // namespace fieldizer::ui
