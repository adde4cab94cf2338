#pragma once
// MDIForm1, the main window: an MDI frame holding the Manipulator, the Text
// Viewer and the Find window (and, later, the database windows), with the
// menu bar. It starts the program, recomputes each menu as it opens, and
// runs the commands that involve more than one window: the Edit commands on
// the active text window and the hand-over between Manipulator and Viewer.

#include "shell/databases/table_list.h"
#include "shell/dialogs/file_dialogs.h"
#include "shell/menus/menu_rules.h"
#include "shell/program_state/program_state.h"
#include "shell/queries/query_rules.h"
#include "text_engine/text_encoding.h"
#include "text_engine/user_dialogs.h"
#include "ui/table_browser/table_browser.h"

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;

namespace fieldizer::ui {

class ByteTextBox;
class CommandLock;
class FindWindow;
class Manipulator;
class QueryWindow;
class TableList;
class TextViewer;

struct MainMenus {
    QMenu *file = nullptr, *edit = nullptr, *view = nullptr, *search = nullptr, *queries = nullptr,
          *help = nullptr;
    QMenu* reopen = nullptr; // "Reopen with Encoding"
    QAction *reopenUtf8 = nullptr, *reopenWindows1252 = nullptr;
    QAction *openFile = nullptr, *saveFile = nullptr, *saveFileAs = nullptr, *closeFile = nullptr,
            *useOrig = nullptr, *openDB = nullptr, *openTable = nullptr, *saveTableAs = nullptr,
            *deleteTable = nullptr, *printerSetup = nullptr, *print = nullptr, *exit = nullptr;
    QAction *undo = nullptr, *cut = nullptr, *copy = nullptr, *paste = nullptr,
            *selectAll = nullptr, *deleteAll = nullptr;
    QAction *viewFieldize = nullptr, *viewTextViewer = nullptr, *find = nullptr;
    QAction *queriesSelect = nullptr, *queriesDefine = nullptr, *about = nullptr;
};

class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(ProgramState& state, UserDialogs& dialogs, FileDialogs& files,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: finds and opens the program's database (asking when it is not
    // in `folder`), empties the working specifications, shows the
    // Manipulator. False when the database was not found: the program ends.
    bool start(const std::filesystem::path& folder, bool withSplash = true);

    Manipulator* manipulator() const { return manipulator_; }
    TextViewer* textViewer() const { return viewer_; }
    FindWindow* findWindow() const { return find_; }
    QueryWindow* queryWindow() const { return queries_; }
    const MainMenus& menus() const { return menus_; }

    // The commands, as the menus run them.
    void openFileCommand(const std::string& path = {});
    void closeFileCommand();
    void reopenCommand(EncodingChoice choice);
    void printCommand();
    void printerSetupCommand();
    void undoCommand();
    void cutCommand();
    void copyCommand();
    void pasteCommand();
    void selectAllCommand();
    void deleteAllCommand();
    void showTextViewer();
    void showManipulator();
    void closeTextViewer();
    void showFind();
    void showAbout();
    // The Queries menu: opens the query window in the given mode.
    void showQueries(queries::QueryMode mode);
    // After the current database changed: a shown query window lists the
    // new database's queries.
    void refreshQueryWindow();

    // The File menu's database group (database_commands.cpp).
    // "Open Access Database...": a file, then Form4's user name and password;
    // the database opened becomes current. Cancel at any step, or a file
    // that cannot be read, leaves the current database as it was.
    void openUserDatabase();
    // "Se&rver Database..." on "Save to Database": the host, port and
    // database asked, then Form4's user name and password; the database
    // opened is the save's target, never the current database.
    void openServerDatabaseForSave();
    // The chosen file's path as the database to open; a converter may put
    // another file in its place. Empty: nothing is opened.
    std::filesystem::path resolveChosenDatabase(const std::filesystem::path& path);
    void useOriginalDatabaseCommand();
    void openTableCommand();
    void deleteTableCommand();
    void saveTableAsCommand();
    TableList* tableList() const { return tableList_; }
    // Whether the table browser (Form13) is shown; "Save TABLE As" needs it.
    void setTableBrowserVisible(std::function<bool()> visible) {
        tableBrowserVisible_ = std::move(visible);
    }

    // The table browsers, one window of each kind, reused: shows the
    // source's rows in the browser of that kind and brings it to the front.
    // An error is reported (handleError) and leaves the browser as it was;
    // false then.
    bool showBrowser(TableBrowser::Kind kind, const BrowserSource& source);
    // The same, throwing the error as RuntimeError for the caller to report.
    void openBrowser(TableBrowser::Kind kind, const BrowserSource& source);
    // Closes every browser showing rows of `table` (a table just deleted).
    void closeBrowsersOf(const std::string& table);
    // Closes both browsers (another database became current).
    void closeBrowsers();
    TableBrowser* browser(TableBrowser::Kind kind) const;

    // The size a fresh window opens at on a screen whose free area is
    // `area`: it shows every tab of the Manipulator, with room for the
    // grid, and fits the area where it can.
    QSize openingSize(const QSize& area) const;
    bool browserVisible(TableBrowser::Kind kind) const;

    // The enabled states, as opening each menu computes them.
    void updateFileMenu();
    void updateEditMenu();
    void updateViewMenu();
    void updateSearchMenu();
    void updateQueriesMenu();

    // The printer dialog of Print and Printer Setup, shown over the
    // session's printer with its title; true on OK.
    // A real dialog unless replaced (tests answer it without a window).
    using PrintDialog = std::function<bool(QPrinter& printer, const QString& title)>;
    void setPrintDialog(PrintDialog dialog);

  Q_SIGNALS:
    // The current database is about to be replaced: windows showing its
    // records close now, while it is still open.
    void databaseAboutToChange();
    // The current database, or the tables in it, changed: lists refresh.
    void databaseChanged();
    // A table (name in the program's character set) to show in the table
    // browser, with the browser's caption.
    void tableOpenRequested(const std::string& table, const std::string& caption);
    // The table is about to be deleted: a browser showing it closes first.
    void tableAboutToBeDeleted(const std::string& table);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    void buildMenus();
    void connectMenus();
    void connectQueriesMenu();
    void createQueryWindow();
    void loadQueryWindow();
    // The window's size (window_size.cpp).
    void placeWindow();
    std::optional<QSize> rememberedSize() const;
    void storeSize() const;
    int widthShowingEveryTab() const;
    void showSplash();
    void openProgramDatabase();
    bool reopenClosedDatabase();
    QMdiSubWindow* addSubWindow(QWidget* widget);
    void showSubWindow(QMdiSubWindow* frame, bool maximized = false);
    void subWindowActivated(QMdiSubWindow* window);
    void manipulatorClosed();
    void runningChanged(bool running);
    void pasteInto(ByteTextBox* box, bool fromMenu);
    void copyBetweenWindows(ByteTextBox* from, ByteTextBox* to, bool toManipulator);
    void updateStatus(ByteTextBox* box);
    ByteTextBox* targetBox() const;
    ByteTextBox* findTarget() const;
    bool manipulatorVisible() const;
    bool viewerVisible() const;
    WindowsSnapshot snapshot() const;
    void connectDatabaseMenus();
    void connectBrowsers();
    bool databaseBusy() const;
    bool openChosenFile(const std::filesystem::path& path, const std::string& user,
                        const std::string& password);
    void switchDatabase(std::shared_ptr<db::Database> database, const std::filesystem::path& path);
    void showTableList(const TableListMode& mode);
    void createTableList();
    void tableChosen(const std::string& name, bool deleting);
    void deleteChosenTable(const std::string& name);
    void copyOpenTable(const std::string& name);
    int twips(int value) const;
    bool askPrinter(const QString& title);
    TableBrowser* createBrowser(TableBrowser::Kind kind);
    void placeBrowser(TableBrowser::Kind kind);
    void printWindowImage(QWidget& window);

    ProgramState& state_;
    UserDialogs& dialogs_;
    FileDialogs& files_;
    MainMenus menus_;
    QMdiArea* mdi_;
    Manipulator* manipulator_ = nullptr;
    QMdiSubWindow* manipulatorWindow_ = nullptr;
    TextViewer* viewer_ = nullptr;
    QMdiSubWindow* viewerWindow_ = nullptr;
    FindWindow* find_ = nullptr;
    QMdiSubWindow* findWindow_ = nullptr;
    QueryWindow* queries_ = nullptr;
    QMdiSubWindow* queriesWindow_ = nullptr;
    TableList* tableList_ = nullptr;
    QMdiSubWindow* tableListWindow_ = nullptr;
    std::function<bool()> tableBrowserVisible_;
    QLabel* caretStatus_ = nullptr;
    QLabel* encodingStatus_ = nullptr; // the encoding Save writes the text in
    void showEncoding();
    TableBrowser* browsers_[2] = {};        // by Kind: Form13, Form12
    QMdiSubWindow* browserWindows_[2] = {}; // their frames
    std::unique_ptr<QPrinter> printer_;
    PrintDialog printDialog_;
    CommandLock* commandLock_ = nullptr;
    // The last hand-over between the two text boxes: the box copied from
    // and the revisions both had right after it.
    struct HandOver {
        const ByteTextBox* from = nullptr;
        unsigned long fromRevision = 0, toRevision = 0;
    } handOver_;
};

} // namespace fieldizer::ui
