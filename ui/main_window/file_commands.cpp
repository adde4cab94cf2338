// The File menu's text commands, Print and Printer Setup.
#include "ui/main_window/main_window.h"
#include "ui/main_window/print_messages.h"
#include "ui/manipulator/manipulator.h"
#include "ui/manipulator/text_printer.h"
#include "ui/text_box/byte_text_box.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrintDialog>
#include <QPrinter>

namespace fieldizer::ui {
namespace {

// Print and Printer Setup show the one printer dialog, under one title.
const QString printerDialogTitle = QStringLiteral("Fieldize - Printer Setup");

} // namespace

void MainWindow::openFileCommand(const std::string& path) {
    if (manipulator_->passRunning())
        return;
    if (viewerVisible())
        viewerWindow_->close();
    if (!manipulatorVisible())
        showManipulator();
    if (state_.textModified && !manipulator_->closeFile())
        return;
    if (path.empty())
        manipulator_->myOpenFile();
    else
        manipulator_->loadFile(path);
    mdi_->setActiveSubWindow(manipulatorWindow_);
    menus_.print->setEnabled(true);
}

void MainWindow::closeFileCommand() {
    if (manipulator_->passRunning())
        return;
    if (viewerVisible())
        viewerWindow_->close();
    manipulator_->closeFile();
}

// The viewer's text goes back first: the save question must see it.
void MainWindow::reopenCommand(EncodingChoice choice) {
    if (manipulator_->passRunning())
        return;
    if (viewerVisible())
        viewerWindow_->close();
    showManipulator();
    manipulator_->reopenWithEncoding(choice);
    mdi_->setActiveSubWindow(manipulatorWindow_);
}

void MainWindow::showEncoding() {
    const std::string_view name = encodingName(manipulator_->encoding().encoding);
    encodingStatus_->setText(QLatin1String(name.data(), static_cast<qsizetype>(name.size())));
}

void MainWindow::setPrintDialog(PrintDialog dialog) {
    printDialog_ = std::move(dialog);
}

// The one printer of the session: what Printer Setup chose, Print uses.
bool MainWindow::askPrinter(const QString& title) {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>();
    if (printDialog_)
        return printDialog_(*printer_, title);
    QPrintDialog dialog(printer_.get(), this);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

void MainWindow::printerSetupCommand() {
    askPrinter(printerDialogTitle); // Cancel changes nothing
}

void MainWindow::printCommand() {
    if (!askPrinter(printerDialogTitle))
        return; // Cancel is silent
    if (!printText(*printer_, manipulator_->textBox()->bytes()))
        dialogs_.tell(notice(printFailed, printProblem));
}

} // namespace fieldizer::ui
