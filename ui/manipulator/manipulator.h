#pragma once
// Fieldz1, the Manipulator: the tab strip SSTab1 with its nine tabs, the text
// box RichTextBox1 on "Text/Lines" with the line tools, and below the tabs
// "&Undo", "&Stop", the progress bar and the character counter. It owns the
// text, its file, its single level of Undo and the pass frame every
// "&Process" button runs through. The wiring is here; the rules are in
// shell/.

#include "shell/dialogs/file_dialogs.h"
#include "shell/editing/change_tracking.h"
#include "shell/program_state/program_state.h"
#include "text_engine/processing_pass.h"
#include "text_engine/required_fields.h"
#include "text_engine/text_encoding.h"
#include "text_engine/user_dialogs.h"
#include "ui/manipulator/pass_frame.h"
#include "ui/manipulator/run_scope.h"
#include "workbench/postgres/server_database.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace fieldizer::ui {

class ByteTextBox;
class FieldizeTextPanel;
class SaveToDatabasePanel;
class SettingsPanel;

// The main window's menu items that follow the text's state.
struct TextMenuItems {
    QAction* undo = nullptr;
    QAction* saveFile = nullptr;
    QAction* saveFileAs = nullptr;
    QAction* closeFile = nullptr;
    QAction* find = nullptr;
};

// What a "&Process" button hands to the pass frame.
struct PassRequest {
    std::optional<MissingField> missingField; // a required field left empty
    LineOperation operation;
    bool showTextTab = true; // "After Process, show Text/Lines tab"
    bool selectAll = false;  // Move Text's "Select All Text"
};

class Manipulator final : public QWidget {
    Q_OBJECT
  public:
    Manipulator(ProgramState& state, UserDialogs& dialogs, FileDialogs& files,
                TextMenuItems menuItems, QWidget* parent = nullptr);
    ~Manipulator() override;

    ByteTextBox* textBox() const { return textBox_; }
    QTabWidget* tabs() const { return tabs_; }
    // The Text Viewer's box while it is visible, or null.
    void setVisibleViewer(std::function<ByteTextBox*()> visibleViewer);

    // The current file's full path, empty when no file is open.
    const std::string& fileName() const { return fileName_; }
    bool passRunning() const { return passRunning_; }
    // The progress bar, for long work of other windows (a table copy).
    PassFrame& progressFrame() { return frame_; }
    // Long work of another window with this window's progress bar and
    // "&Stop" (a table copy, an Access file's conversion): everything but
    // Stop waits as it does for a pass.
    void runWithProgress(const std::function<void(PassObserver&)>& work);
    const TextHistory& history() const { return history_; }

    // Text files. closeFile returns false when the user cancelled (the text,
    // file and flags stay as they were).
    void myOpenFile();
    void loadFile(const std::string& path, EncodingChoice choice = EncodingChoice::Automatic);
    bool saveFile();
    bool saveFileAs();
    bool closeFile();
    // "Reopen with Encoding": the current file read again as `choice`, after
    // the save question when the text was changed.
    void reopenWithEncoding(EncodingChoice choice);
    // What Save writes: the encoding the file was read in, UTF-8 for a text
    // that came from no file.
    FileEncoding encoding() const { return encoding_; }

    // The pass frame of every "&Process" button.
    void runPass(const PassRequest& request);
    void joinLines();
    void createLine();
    void breakIntoLines();
    void undo();
    void enableUndo();
    // Undo offered or not, by the button and the Edit menu alike.
    void setUndoEnabled(bool enabled);
    void nothingToProcess();

    // The "Fieldize Text" tab: its grid read again from fieldize_settings
    // (after Settings were selected or cleared), and the Settings name its
    // caption shows (empty: none selected).
    FieldizeTextPanel* fieldizePanel() const { return fieldizePanel_; }
    void refreshFieldizeGrid();
    void setSettingsName(const std::string& name);

    // The program replaces the whole text (a hand-over, a pass).
    void setTextByProgram(std::string_view bytes);
    // The window is opened again from the View menu: the program's own
    // database is current again and the number boxes take their defaults.
    void reinitialise();

    // Long work that is no pass over the text (Save to Database), run in
    // the pass frame: progress bar, Stop, busy pointer, the text read-only.
    // An error it throws is reported by handleError.
    void runFramed(const std::function<void(PassObserver&)>& work);

    // Runs after every change of the selected tab: the program's own
    // database made current again, then the new tab's focus and lists.
    void onTabChanged();
    // The user comes back to the window: a database opened meanwhile is
    // closed again while "Fieldize Text" or "Settings" is selected.
    void checkDatabaseOnReturn();
    // While set, parameter changes are the program's (defaults put in, a
    // restore), not edits: settingsChanged keeps its value.
    void setPanelsLoading(bool loading);
    bool settingsChanged() const;

  public Q_SLOTS:
    // Another database became current: the lists that show its tables are
    // read again.
    void databaseChanged();
    // A server database opened for the save's options 2 and 3.
    void useServerDatabase(std::shared_ptr<db::ServerDatabase> server);

  Q_SIGNALS:
    void runningChanged(bool running);
    void captionChanged();
    void textKeyReleased();
    void textDoubleClicked();
    void findRequested();
    void pasteRequested();
    void closed();
    // A parameter of a tab (or the column specifications) changed, by the
    // user or the program (a focus that re-applies a rule changes nothing).
    void parametersChanged();
    // "&Select Database" on "Save to Database": the open-database flow runs.
    void selectDatabaseRequested();
    // "Se&rver Database..." on "Save to Database": host, port, database, Form4.
    void serverDatabaseRequested();
    // A result to tell in the main window's status bar (a save's count).
    void statusMessage(const QString& text);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    QWidget* buildTextLinesTab();
    QWidget* buildBottomRow();
    void buildFieldizePanel();
    void buildOperationPanels();
    void restoreNumberDefaults();
    void connectControls();
    void buildSavingTabs();
    void focusChanged(QWidget* old, QWidget* now);

    void textChanged();
    void updateLineTools();
    void updateLfBar();
    void convertLineEnds();
    void updateCounter();
    // The control of a Settings key: the one whose "settingsKey" property
    // names it. Null for other inputs.
    QWidget* controlFor(const Focus& focus) const;
    void setCounterVisible(bool visible);
    void setCaptionFor(const std::string& path);
    void afterSave(const std::string& path);
    // "Would you like to save changes?" when the text was changed; false
    // when the user cancelled or the save did not happen.
    bool offerToSave();

    void showUndoState();
    void processText(const PassRequest& request, bool& undoTaken);
    template <class Tool> void runLineTool(Tool tool);
    // Through RunScope only, so that every run ends.
    void beginRun();
    void endRun();
    void setTabsLocked(bool locked);
    friend class RunScope<Manipulator>;

    ProgramState& state_;
    UserDialogs& dialogs_;
    FileDialogs& files_;
    TextMenuItems menu_;
    std::function<ByteTextBox*()> visibleViewer_;

    QTabWidget* tabs_ = nullptr;
    ByteTextBox* textBox_ = nullptr;
    QWidget* lineEndBar_ = nullptr;
    QPushButton* joinLinesButton_ = nullptr;
    QPushButton* createLineButton_ = nullptr;
    QPushButton* breakLinesButton_ = nullptr;
    QLineEdit* startLineAfter_ = nullptr;
    QPushButton* undoButton_ = nullptr;
    QPushButton* stopButton_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* counterLabel_ = nullptr;
    QPlainTextEdit* counterText_ = nullptr;
    QLabel* counterHasLabel_ = nullptr;
    QLineEdit* counterLength_ = nullptr;
    QLabel* counterUnitLabel_ = nullptr;
    FieldizeTextPanel* fieldizePanel_ = nullptr;

    std::string fileName_;
    FileEncoding encoding_;
    TextHistory history_;
    bool passRunning_ = false;
    bool undoAvailable_ = false; // shown by the Undo button and Edit > Undo
    PassFrame frame_;
    SettingsPanel* settingsPanel_ = nullptr;
    SaveToDatabasePanel* savePanel_ = nullptr;

    void textBoxEntered();
};

} // namespace fieldizer::ui
