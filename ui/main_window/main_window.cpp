#include "ui/main_window/main_window.h"

#include "shell/menus/form_names.h"
#include "shell/program_state/database_location.h"
#include "shell/program_state/own_database.h"
#include "shell/program_state/running_windows.h"
#include "ui/find/find_window.h"
#include "ui/main_window/command_lock.h"
#include "ui/manipulator/manipulator.h"
#include "ui/splash/splash_window.h"
#include "ui/text_box/byte_text_box.h"
#include "ui/text_box/field_characters_guard.h"
#include "ui/text_viewer/text_viewer.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QStatusBar>

namespace fieldizer::ui {

MainWindow::MainWindow(ProgramState& state, UserDialogs& dialogs, FileDialogs& files,
                       QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs), files_(files),
      mdi_(new QMdiArea(this)), caretStatus_(new QLabel(this)), encodingStatus_(new QLabel(this)) {
    setObjectName(QLatin1String(formNames::mainWindow));
    setWindowTitle(QStringLiteral("Fieldizer"));
    setAcceptDrops(true);
    // Every field of every window holds the program's characters only.
    QApplication::instance()->installEventFilter(new FieldCharactersGuard(dialogs_, this));
    setCentralWidget(mdi_);
    statusBar()->addWidget(caretStatus_);
    caretStatus_->setObjectName(QStringLiteral("caretStatus"));
    statusBar()->addWidget(encodingStatus_);
    encodingStatus_->setObjectName(QStringLiteral("encodingStatus"));
    buildMenus();
    connectMenus();
    connectDatabaseMenus();
    connectBrowsers();

    manipulator_ = new Manipulator(
        state_, dialogs_, files_,
        {menus_.undo, menus_.saveFile, menus_.saveFileAs, menus_.closeFile, menus_.find});
    manipulatorWindow_ = addSubWindow(manipulator_);
    connect(manipulator_, &Manipulator::captionChanged, this, &MainWindow::showEncoding);
    showEncoding();
    viewer_ = new TextViewer;
    viewerWindow_ = addSubWindow(viewer_);
    commandLock_ = new CommandLock(*this, *mdi_, manipulatorWindow_);
    manipulator_->setVisibleViewer(
        [this] { return viewerVisible() ? viewer_->textBox() : nullptr; });

    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::subWindowActivated);
    connect(manipulator_, &Manipulator::closed, this, &MainWindow::manipulatorClosed);
    connect(manipulator_, &Manipulator::runningChanged, this, &MainWindow::runningChanged);
    connect(manipulator_, &Manipulator::textDoubleClicked, this, &MainWindow::showTextViewer);
    connect(manipulator_, &Manipulator::findRequested, this, &MainWindow::showFind);
    // "&Select Database" on the Save to Database tab opens a database as the
    // File menu does; every change of database renews the tab's table list.
    connect(manipulator_, &Manipulator::selectDatabaseRequested, this,
            &MainWindow::openUserDatabase);
    connect(manipulator_, &Manipulator::serverDatabaseRequested, this,
            &MainWindow::openServerDatabaseForSave);
    connect(this, &MainWindow::databaseChanged, manipulator_, &Manipulator::databaseChanged);
    // Shown until the user works in a text again (the caret's place returns).
    connect(manipulator_, &Manipulator::statusMessage, this,
            [this](const QString& text) { statusBar()->showMessage(text); });
    connect(manipulator_, &Manipulator::pasteRequested, this,
            [this] { pasteInto(manipulator_->textBox(), false); });
    connect(manipulator_, &Manipulator::textKeyReleased, this, [this] {
        if (viewerVisible())
            copyBetweenWindows(manipulator_->textBox(), viewer_->textBox(), false);
    });
    ByteTextBox* viewerBox = viewer_->textBox();
    connect(viewer_, &TextViewer::closing, this, &MainWindow::closeTextViewer);
    connect(viewerBox, &ByteTextBox::findRequested, this, &MainWindow::showFind);
    connect(viewerBox, &ByteTextBox::undoRequested, this, [this] {
        if (menus_.undo->isEnabled())
            undoCommand();
    });
    connect(viewerBox, &ByteTextBox::pasteRequested, this,
            [this] { pasteInto(viewer_->textBox(), false); });
    connect(viewerBox, &ByteTextBox::keyReleased, this, [this] {
        if (manipulatorVisible())
            copyBetweenWindows(viewer_->textBox(), manipulator_->textBox(), true);
    });
    connect(viewerBox, &ByteTextBox::bytesChanged, this, [this] {
        const ChangeReaction reaction = viewerTextChanged(state_);
        if (!reaction.countedAsEdit)
            return;
        menus_.saveFile->setEnabled(true);
        manipulator_->enableUndo();
        menus_.find->setEnabled(!viewer_->textBox()->isEmpty());
    });
    for (ByteTextBox* box : {manipulator_->textBox(), viewerBox}) {
        box->setAcceptDrops(false); // a dropped file opens, it is not pasted as a name
        const auto caretMoved = [this, box] {
            statusBar()->clearMessage();
            updateStatus(box);
        };
        connect(box, &QsciScintilla::cursorPositionChanged, this, caretMoved);
        connect(box, &QsciScintilla::selectionChanged, this, caretMoved);
    }
    placeWindow();
    mdi_->viewport()->installEventFilter(this);
}

MainWindow::~MainWindow() {
    // Closing the frame hides and deactivates the windows inside it, and
    // their signals would reach this object after it has stopped being a
    // MainWindow: cut every connection from them first.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

QMdiSubWindow* MainWindow::addSubWindow(QWidget* widget) {
    QMdiSubWindow* window = mdi_->addSubWindow(widget);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setWindowIcon(QIcon());
    window->hide();
    return window;
}

// Closing a frame closes the window inside it, and showing the frame alone
// again would show it empty: every window comes back through here.
void MainWindow::showSubWindow(QMdiSubWindow* frame, bool maximized) {
    frame->widget()->show();
    if (maximized)
        frame->showMaximized();
    else
        frame->show();
}

// Sizes of the frame are given in twips, 1,440 to the inch.
int MainWindow::twips(int value) const {
    return value * logicalDpiX() / 1440;
}

void MainWindow::showSplash() {
    auto* splash = new SplashWindow(this);
    // Both offsets are twips, as every size of the frame.
    splash->move(mapToGlobal(QPoint((width() - splash->width()) / 2 - twips(100),
                                    (height() - splash->height()) / 2 - twips(400))));
    splash->show();
}

bool MainWindow::start(const std::filesystem::path& folder, bool withSplash) {
    if (withSplash)
        showSplash();
    if (state_.dbPath.empty()) {
        const auto location = checkDbase(folder, dialogs_, files_);
        if (!location)
            return false;
        state_.dbPath = location->dbPath;
        std::error_code ignored; // the temporary file of a pass goes beside the database
        std::filesystem::current_path(location->folder, ignored);
    }
    state_.homeDbPath = state_.dbPath;
    if (!openOwnDatabaseAtStartUp(state_, dialogs_))
        return false;
    state_.previousDbName.clear();
    emptyWorkingSpecsAtStartUp(state_);
    showManipulator();
    return true;
}

void MainWindow::openProgramDatabase() {
    try {
        makeOwnDatabaseCurrent(state_);
    } catch (const RuntimeError&) {
        // No database is current; the table commands stay disabled.
    }
}

// The Manipulator's closing closes the database: the program's own becomes
// current again when a menu next needs one. True when it was reopened.
bool MainWindow::reopenClosedDatabase() {
    if (state_.database && state_.database->isOpen())
        return false;
    openProgramDatabase();
    return true;
}

void MainWindow::subWindowActivated(QMdiSubWindow* window) {
    state_.activeTextForm = ActiveTextForm::None;
    if (window == manipulatorWindow_) {
        state_.activeTextForm = ActiveTextForm::Manipulator;
        state_.activeFormName = formNames::manipulator;
        updateStatus(manipulator_->textBox());
        manipulator_->checkDatabaseOnReturn();
    } else if (window == viewerWindow_) {
        state_.activeTextForm = ActiveTextForm::TextViewer;
        menus_.edit->menuAction()->setVisible(true);
        menus_.search->menuAction()->setVisible(!findWindow_ || !findWindow_->isVisible());
        updateStatus(viewer_->textBox());
    }
}

void MainWindow::manipulatorClosed() {
    menus_.edit->menuAction()->setVisible(false);
    menus_.search->menuAction()->setVisible(false);
    manipulator_->setUndoEnabled(false);
    if (findWindow_)
        findWindow_->close();
    caretStatus_->clear();
}

// Every long work of the Manipulator (a pass, a tool, a save) and of this
// window (a table copy, a conversion) runs in the Manipulator's run scope;
// while it lasts every command but Stop waits.
void MainWindow::runningChanged(bool running) {
    commandLock_->setLocked(running);
    if (running)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void MainWindow::updateStatus(ByteTextBox* box) {
    if (!box->hasFocus() && box != targetBox())
        return;
    const std::size_t caret = box->caret();
    const std::string_view text = box->bytes();
    std::size_t lineStart = text.substr(0, caret).find_last_of("\r\n");
    lineStart = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    int line = 0, column = 0;
    box->getCursorPosition(&line, &column);
    QString status = QStringLiteral("Line %1, Column %2").arg(line + 1).arg(caret - lineStart + 1);
    if (const std::size_t selected = box->selectionLength())
        status += QStringLiteral(", %1 selected").arg(selected);
    caretStatus_->setText(status);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Unsaved changes are offered for saving; Cancel keeps the program.
    if (manipulator_->passRunning() || (state_.textModified && !manipulator_->closeFile())) {
        event->ignore();
        return;
    }
    storeSize();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    openFileCommand(QFile::encodeName(urls.front().toLocalFile()).toStdString());
}

bool MainWindow::manipulatorVisible() const {
    return manipulatorWindow_->isVisible();
}
bool MainWindow::viewerVisible() const {
    return viewerWindow_->isVisible();
}

} // namespace fieldizer::ui
