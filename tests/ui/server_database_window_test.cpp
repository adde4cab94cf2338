// "Save to Database" into a PostgreSQL server from the window: "Se&rver
// Database..." asks the host, port and database, Form4 the user name and
// password, and the save writes into the server while the program's own
// database stays current.
#include "columns/save_to_database.h"
#include "postgres_cluster.h"
#include "saving_tabs_fixture.h"
#include "text_engine/database_error_numbers.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/password_access/password_access_controls.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

namespace names = fieldizer::ui::manipulatorControls;
namespace form4 = fieldizer::ui::passwordAccessControls;

namespace fieldizer::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;

PostgresCluster& cluster() {
    return PostgresCluster::instance();
}

class ServerDatabaseWindow : public SavingTabsTest {
  protected:
    void SetUp() override {
        SavingTabsTest::SetUp();
        cluster().run("DROP TABLE IF EXISTS towns, existing;"
                      " CREATE TABLE existing (a varchar(3)); GRANT ALL ON existing TO secured");
        database_.setWorking({spec("Name", 1, 5, 5), spec("State", 7, 2, 2)});
        showTab(SaveToDatabase);
    }
    // Form4 is answered with the user name and password as soon as it shows;
    // shown again after that (the login failed), it is cancelled.
    void answerPasswordAccess(QTimer& poll, const std::string& password) {
        auto answered = std::make_shared<bool>(false);
        QObject::connect(&poll, &QTimer::timeout, [this, &poll, answered, password] {
            auto* dialog = window_->findChild<ui::PasswordAccess*>(QLatin1String(form4::window));
            if (!dialog || !dialog->isVisible())
                return;
            if (*answered) {
                poll.stop();
                dialog->findChild<QPushButton*>(QLatin1String(form4::cancelButton))->click();
                return;
            }
            *answered = true;
            dialog->findChild<QLineEdit*>(QLatin1String(form4::userNameBox))
                ->setText(QStringLiteral("secured"));
            dialog->findChild<QLineEdit*>(QLatin1String(form4::passwordBox))
                ->setText(QString::fromStdString(password));
            dialog->findChild<QPushButton*>(QLatin1String(form4::okButton))->click();
        });
        poll.start(5);
    }
    void chooseServer(const std::string& password) {
        files_.addInput(cluster().socketFolder().string());
        files_.addInput("");
        files_.addInput("fieldizer");
        QTimer poll;
        answerPasswordAccess(poll, password);
        click(names::serverDatabaseButton);
        EXPECT_EQ(files_.prompts.size(), 3u);
    }
    bool shown(const char* name) const { return !find<QWidget>(name)->isHidden(); }
};

TEST_F(ServerDatabaseWindow, aServerDatabaseChosenThroughForm4TakesTheRecords) {
    EXPECT_FALSE(shown(names::serverDatabaseButton)) << "option 1 writes into the own database";
    find<QRadioButton>(names::createInChosenDatabaseOption)->click();
    EXPECT_TRUE(shown(names::serverDatabaseButton));
    chooseServer(securedPassword);
    EXPECT_EQ(items(names::tableName), std::vector<std::string>{"existing"})
        << "the list shows the server's tables";
    EXPECT_TRUE(ownDatabaseCurrent()) << "the server database never becomes current";

    box().setBytes("Bob   NE\r\nAnn   IA");
    setCombo(names::tableName, "towns");
    setCombo(names::databaseProcessMethod, std::string(useColumnSpecsMethod));
    click(names::saveButton);
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(cluster().rows("SELECT * FROM towns"), (Rows{{"Bob  ", "NE"}, {"Ann  ", "IA"}}));
    EXPECT_EQ(items(names::tableName), (std::vector<std::string>{"existing", "towns"}));

    find<QRadioButton>(names::createInOwnDatabaseOption)->click();
    EXPECT_TRUE(items(names::tableName).empty()) << "the own database's tables again";
}

TEST_F(ServerDatabaseWindow, aWrongPasswordIsReportedAndChoosesNothing) {
    find<QRadioButton>(names::existingTableOption)->click();
    chooseServer("not it");
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_NE(dialogs_.messages[0].text.find("password authentication failed"), std::string::npos)
        << dialogs_.messages[0].text;
    EXPECT_EQ(dialogs_.messages[0].text.find("not it"), std::string::npos);
    EXPECT_TRUE(items(names::tableName).empty());
}

} // namespace
} // namespace fieldizer::testing
