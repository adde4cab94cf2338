// The View menu, the hand-over between Manipulator and Text Viewer, Find and
// About.
#include "shell/editing/captions.h"
#include "ui/about/about_box.h"
#include "ui/find/find_window.h"
#include "ui/main_window/main_window.h"
#include "ui/manipulator/manipulator.h"
#include "ui/text_box/byte_text_box.h"
#include "ui/text_viewer/text_viewer.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace fieldizer::ui {

void MainWindow::showTextViewer() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const std::string caption =
        viewerCaption(QFile::encodeName(manipulator_->windowTitle()).toStdString());
    viewer_->setWindowTitle(QFile::decodeName(caption.c_str()));
    copyBetweenWindows(manipulator_->textBox(), viewer_->textBox(), false);
    showSubWindow(viewerWindow_, true);
    mdi_->setActiveSubWindow(viewerWindow_);
    viewer_->textBox()->setFocus();
    state_.textSetByProgram = false;
    QApplication::restoreOverrideCursor();
}

void MainWindow::closeTextViewer() {
    if (manipulatorVisible()) {
        copyBetweenWindows(viewer_->textBox(), manipulator_->textBox(), true);
        mdi_->setActiveSubWindow(manipulatorWindow_);
        // The MDI area maximises the window it activates after a maximised
        // one: the Manipulator goes back to its own place, and a Find
        // window open beside it stays in sight.
        if (manipulatorWindow_->isMaximized())
            manipulatorWindow_->showNormal();
        if (findWindow_ && findWindow_->isVisible())
            findWindow_->raise();
        manipulator_->textBox()->setFocus();
    }
    state_.textSetByProgram = false;
}

void MainWindow::showManipulator() {
    if (viewerVisible())
        copyBetweenWindows(viewer_->textBox(), manipulator_->textBox(), true);
    state_.textSetByProgram = false;
    if (!manipulatorVisible()) {
        if (state_.homeDbPath != state_.dbPath || !state_.database || !state_.database->isOpen())
            manipulator_->reinitialise();
        showSubWindow(manipulatorWindow_);
        // The frame's layout settles its MDI area before the window takes it.
        if (layout())
            layout()->activate();
        manipulatorWindow_->setGeometry(QRect(QPoint(0, 0), mdi_->viewport()->size()));
    }
    mdi_->setActiveSubWindow(manipulatorWindow_);
    manipulatorWindow_->raise();
    manipulator_->textBox()->setFocus();
    if (viewerVisible())
        viewerWindow_->hide();
    menus_.edit->menuAction()->setVisible(true);
    menus_.search->menuAction()->setVisible(true);
}

ByteTextBox* MainWindow::findTarget() const {
    if (manipulatorVisible())
        return manipulator_->textBox();
    return viewerVisible() ? viewer_->textBox() : nullptr;
}

void MainWindow::showFind() {
    if (!find_) {
        find_ = new FindWindow(
            dialogs_, [this] { return findTarget(); },
            [this](ByteTextBox* box) {
                QMdiSubWindow* window =
                    box == manipulator_->textBox() ? manipulatorWindow_ : viewerWindow_;
                window->raise();
                // The text window fills the frame: the Find window comes
                // back above it, in sight for the next search.
                findWindow_->raise();
            });
        findWindow_ = addSubWindow(find_);
        findWindow_->adjustSize();
    }
    const QSize area = mdi_->size();
    findWindow_->move(area.width() - findWindow_->width() - twips(400),
                      (area.height() - findWindow_->height()) / 8);
    showSubWindow(findWindow_);
    findWindow_->raise();
    mdi_->setActiveSubWindow(findWindow_);
}

void MainWindow::showAbout() {
    AboutBox about(state_, this);
    about.exec();
}

} // namespace fieldizer::ui
