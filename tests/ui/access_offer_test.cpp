// Choosing a Microsoft Access file in "Open Access Database...": the offer
// of a copy in the program's own format, and what each answer opens.
#include "desktop_fixture.h"
#include "shell/access_import/access_import.h"
#include "shell/menus/form_names.h"
#include "ui/password_access/password_access.h"
#include "ui/password_access/password_access_controls.h"

#include <QMenuBar>
#include <QTimer>

using namespace fieldizer;
using namespace fieldizer::testing;
namespace fs = std::filesystem;

namespace {

class AccessOffer : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        source_ = (folder_ / "sales.mdb").string();
        fs::copy_file(std::string(FIELDIZER_TEST_DATA) + "/access/testV2000.mdb", source_);
    }
    // Chooses the Access file; Form4, when it comes (after the conversion,
    // whose progress lets timers run), is answered with OK.
    void chooseAccessFile() {
        files_.add(source_);
        passwordDialogShown_ = false;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [this, &poll] {
            auto* passwordDialog =
                window_->findChild<ui::PasswordAccess*>(QLatin1String(formNames::passwordAccess));
            if (!passwordDialog || !passwordDialog->isVisible())
                return;
            poll.stop();
            passwordDialogShown_ = true;
            passwordDialog
                ->findChild<QPushButton*>(QLatin1String(ui::passwordAccessControls::okButton))
                ->click();
        });
        poll.start(5);
        action("menuFileOpenDB")->trigger();
    }
    std::string copyPath() const { return (folder_ / "sales.db").string(); }

    std::string source_;
    bool passwordDialogShown_ = false;
};

} // namespace

TEST_F(AccessOffer, yesConvertsReportsAndOpensTheCopyThroughPasswordAccess) {
    dialogs_.add(Answer::Yes);
    chooseAccessFile();
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(dialogs_.questions[0].id, accessImportIds::makeCopy);
    ASSERT_FALSE(dialogs_.messages.empty());
    EXPECT_EQ(dialogs_.messages.back().id, accessImportIds::report);
    EXPECT_TRUE(passwordDialogShown_);
    EXPECT_EQ(state_.dbPath, copyPath());
    EXPECT_TRUE(fs::exists(copyPath()));
    // The run is over: the menus and the Manipulator take commands again.
    EXPECT_FALSE(manipulator().passRunning());
    EXPECT_TRUE(window_->menuBar()->isEnabled());
    EXPECT_FALSE(dialogs_.unexpected);
}

TEST_F(AccessOffer, noLeavesThePreviousDatabaseCurrentAndMakesNothing) {
    dialogs_.add(Answer::No);
    chooseAccessFile();
    EXPECT_FALSE(passwordDialogShown_);
    EXPECT_EQ(state_.dbPath, state_.homeDbPath);
    EXPECT_FALSE(fs::exists(copyPath()));
    EXPECT_FALSE(manipulator().passRunning());
    EXPECT_TRUE(window_->menuBar()->isEnabled());
    EXPECT_FALSE(dialogs_.unexpected);
}

TEST_F(AccessOffer, anExistingCopyOpensAsItIsWithoutConvertingAgain) {
    dialogs_.add(Answer::Yes);
    chooseAccessFile();
    ASSERT_EQ(state_.dbPath, copyPath());
    window_->useOriginalDatabaseCommand();
    const auto written = fs::last_write_time(copyPath());

    dialogs_.questions.clear();
    dialogs_.messages.clear();
    dialogs_.add(Answer::Yes); // make the copy and open it
    dialogs_.add(Answer::Yes); // open the copy there as it is
    chooseAccessFile();
    ASSERT_EQ(dialogs_.questions.size(), 2u);
    EXPECT_EQ(dialogs_.questions[1].id, accessImportIds::openExistingCopy);
    EXPECT_EQ(state_.dbPath, copyPath());
    EXPECT_EQ(fs::last_write_time(copyPath()), written);
    EXPECT_FALSE(dialogs_.unexpected);
}
