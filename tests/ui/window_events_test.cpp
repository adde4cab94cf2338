// What the windows do on their own events: a file dropped onto the frame,
// the focus entering the text box, a missing required field taking the
// focus, the key-up hand-over to the Text Viewer, the About box and the
// splash window's course.
#include "desktop_fixture.h"
#include "shell/menus/form_names.h"
#include "ui/about/about_box_controls.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/splash/splash_window.h"
#include "ui/text_viewer/text_viewer.h"

#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

using WindowEvents = DesktopTest;

// Drops `url` onto the main window as a file manager does.
void drop(QWidget& window, const QUrl& url) {
    QMimeData data;
    data.setUrls({url});
    const QPoint at = window.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDropEvent event(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
}

TEST_F(WindowEvents, aDroppedFileOpensAsOpenFileDoes) {
    const std::string path = writeFile("dropped.txt", "day\r\nnight\xE9");
    type("unsaved");
    ASSERT_TRUE(state_.textModified);
    dialogs_.add(Answer::Cancel); // the save question, as Open asks it
    drop(*window_, QUrl::fromLocalFile(QString::fromStdString(path)));
    EXPECT_EQ(text(), "unsaved");
    ASSERT_EQ(dialogs_.questions.size(), 1u);

    dialogs_.add(Answer::No);
    drop(*window_, QUrl::fromLocalFile(QString::fromStdString(path)));
    EXPECT_EQ(text(), "day\r\nnight\xE9");
    EXPECT_EQ(manipulator().fileName(), path);
    EXPECT_FALSE(state_.textModified);
    EXPECT_TRUE(action("menuFileCloseFile")->isEnabled());

    drop(*window_, QUrl(QStringLiteral("https://example.org/report.txt"))); // not a file
    EXPECT_EQ(manipulator().fileName(), path);
    EXPECT_TRUE(dialogs_.scriptUsedUp());
    EXPECT_FALSE(dialogs_.unexpected);
}

TEST_F(WindowEvents, enteringTheBoxWithTheTextBackAtTheUndoCopyDisablesUndo) {
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    auto* undoButton = find<QPushButton>(names::undoButton);
    auto* lengthBox = find<QLineEdit>(names::startLineAfter);
    type("typed");
    lengthBox->setFocus();
    box().setFocus();
    EXPECT_TRUE(undoButton->isEnabled()); // the text differs from the Undo copy

    // A pass that fails keeps the text and still enables Undo.
    ui::PassRequest failing;
    failing.operation = [](std::string_view, std::string&) -> bool {
        throw RuntimeError(5, "Invalid procedure call or argument");
    };
    manipulator().runPass(failing);
    ASSERT_TRUE(undoButton->isEnabled());
    lengthBox->setFocus();
    box().setFocus();
    EXPECT_FALSE(undoButton->isEnabled());
    EXPECT_FALSE(action("menuEditUndo")->isEnabled());
    EXPECT_TRUE(find<QPushButton>(names::joinLinesButton)->isEnabled());
}

TEST_F(WindowEvents, aMissingRequiredFieldTakesTheFocusOnItsOwnTab) {
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    type("text");
    manipulator().tabs()->setCurrentIndex(3);
    ui::PassRequest request;
    request.operation = [](std::string_view, std::string&) { return true; };
    request.missingField = MissingField{requiredFieldIds::replaceText, "Please enter a number.",
                                        Focus::onKey("startLineAfter")};
    manipulator().runPass(request);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].id, requiredFieldIds::replaceText);
    EXPECT_EQ(manipulator().tabs()->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), find<QLineEdit>(names::startLineAfter));
    EXPECT_EQ(text(), "text"); // no pass ran
}

TEST_F(WindowEvents, keyUpHandsTheTextToTheViewerOnlyWhenItChanged) {
    type("abc");
    action("menuViewTextViewer")->trigger();
    ui::ByteTextBox& viewer = *window_->textViewer()->textBox();
    action("menuViewFieldize")->trigger();
    viewer.show(); // the viewer stays visible beside the Manipulator
    window_->textViewer()->parentWidget()->show();
    const unsigned long copied = viewer.revision();

    box().setCaret(0);
    QTest::keyClick(&box(), Qt::Key_Right);
    EXPECT_EQ(viewer.caret(), 1u);
    EXPECT_EQ(viewer.revision(), copied); // nothing changed: only the caret went over

    QTest::keyClick(&box(), Qt::Key_X);
    EXPECT_EQ(viewer.bytes(), "axbc");
    EXPECT_EQ(viewer.caret(), 2u);

    // Typed in the viewer, the text goes to the Manipulator, and not back.
    const unsigned long manipulatorBefore = box().revision();
    viewer.setCaret(4);
    QTest::keyClick(&viewer, Qt::Key_Y);
    EXPECT_EQ(text(), "axbcy");
    EXPECT_NE(box().revision(), manipulatorBefore);
    const unsigned long viewerAfter = viewer.revision();
    QTest::keyClick(&box(), Qt::Key_Left);
    EXPECT_EQ(viewer.revision(), viewerAfter);
    EXPECT_EQ(viewer.bytes(), "axbcy");
}

TEST_F(WindowEvents, theAboutBoxIsModalCentredAndTheActiveForm) {
    QString title;
    std::string formWhileShown;
    QPoint centre, screenCentre;
    QTimer::singleShot(0, [&] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        formWhileShown = state_.activeFormName;
        centre = about->frameGeometry().center();
        screenCentre = about->screen()->geometry().center();
        about->findChild<QPushButton*>(QLatin1String(ui::aboutBoxControls::okButton))->click();
    });
    action("menuAbout")->trigger();
    EXPECT_EQ(title, QStringLiteral("About Fieldizer"));
    EXPECT_EQ(formWhileShown, formNames::about);
    EXPECT_LE((centre - screenCentre).manhattanLength(), 4); // halves of odd sizes
    EXPECT_EQ(state_.activeFormName, "");
}

TEST_F(WindowEvents, theSplashGrowsItsTitleShowsItsLinesInTurnAndClosesAfterFiveSeconds) {
    QPointer<ui::SplashWindow> splash = new ui::SplashWindow;
    splash->show();
    QList<QLabel*> labels = splash->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 4);
    const auto shown = [&] {
        int count = 0;
        for (QLabel* label : labels)
            count += label->isVisible();
        return count;
    };
    const int firstSize = labels[0]->font().pointSize();
    for (int step = 0; step < 100; ++step)
        splash->advanceTo(1000);
    EXPECT_EQ(labels[0]->font().pointSize(), 54); // grown step by step, no further
    EXPECT_GT(54, firstSize);
    EXPECT_EQ(shown(), 1);
    splash->advanceTo(1601);
    EXPECT_EQ(shown(), 2);
    splash->advanceTo(1901);
    EXPECT_EQ(shown(), 3);
    splash->advanceTo(3000);
    EXPECT_EQ(shown(), 4);
    splash->advanceTo(4999);
    EXPECT_TRUE(splash->isVisible());
    splash->advanceTo(5000);
    EXPECT_FALSE(splash->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull()); // it unloads itself
}

TEST_F(WindowEvents, theSplashStandsOverTheMainWindowOffsetUpAndLeft) {
    state_.dbPath.clear();
    ASSERT_TRUE(window_->start(folder_, true));
    auto* splash = window_->findChild<ui::SplashWindow*>(QLatin1String(formNames::splash));
    ASSERT_NE(splash, nullptr);
    const QPoint offset = window_->mapToGlobal(window_->rect().center()) -
                          splash->mapToGlobal(splash->rect().center());
    const int twipsPerPixel = 1440 / window_->logicalDpiX();
    EXPECT_NEAR(offset.x() * twipsPerPixel, 100, twipsPerPixel * 2);
    EXPECT_NEAR(offset.y() * twipsPerPixel, 400, twipsPerPixel * 2);
    splash->close();
}

} // namespace
} // namespace fieldizer::testing
