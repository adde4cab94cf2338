// The Find window on the Manipulator's text: its messages, case, whole
// words, the count of Find All and its colours.
#include "desktop_fixture.h"
#include "ui/find/find_window.h"
#include "ui/find/find_window_controls.h"

#include <QCheckBox>
#include <QLineEdit>

namespace fieldizer::testing {
namespace {

class FindWindowTest : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        type("The cat sat. Cats concat cat9 CAT\r\ncat");
        window_->showFind();
        findWindow = window_->findWindow();
        ASSERT_NE(findWindow, nullptr);
    }
    template <class Widget> Widget* control(const char* name) {
        return findWindow->findChild<Widget*>(QLatin1String(name));
    }
    void search(const char* text, bool ignoreCase, bool wholeWord) {
        control<QLineEdit>(ui::findWindowControls::searchBox)->setText(QString::fromLatin1(text));
        control<QCheckBox>(ui::findWindowControls::ignoreCaseCheck)->setChecked(ignoreCase);
        control<QCheckBox>(ui::findWindowControls::wholeWordCheck)->setChecked(wholeWord);
    }
    std::string lastMessage() const {
        return dialogs_.messages.empty() ? std::string() : dialogs_.messages.back().text;
    }

    ui::FindWindow* findWindow = nullptr;
};

TEST_F(FindWindowTest, opensWithItsCaptionAndBothOptionsChecked) {
    EXPECT_EQ(findWindow->windowTitle(), QStringLiteral("Fieldizer - Search"));
    EXPECT_TRUE(control<QCheckBox>(ui::findWindowControls::ignoreCaseCheck)->isChecked());
    EXPECT_TRUE(control<QCheckBox>(ui::findWindowControls::wholeWordCheck)->isChecked());
    EXPECT_FALSE(control<QPushButton>(ui::findWindowControls::findAgainButton)->isEnabled());
    EXPECT_FALSE(control<QCheckBox>(ui::findWindowControls::resetColourCheck)->isEnabled());
}

TEST_F(FindWindowTest, findAgainSelectsEachWholeWordAndStartsOverAfterTheMiss) {
    search("cat", true, true);
    control<QPushButton>(ui::findWindowControls::findButton)->click();
    EXPECT_EQ(box().selectionStart(), 4u);
    EXPECT_TRUE(control<QPushButton>(ui::findWindowControls::findAgainButton)->isEnabled());
    for (const std::size_t expected : {25u, 30u, 35u}) { // cat9, CAT, the word ending the text
        control<QPushButton>(ui::findWindowControls::findAgainButton)->click();
        EXPECT_EQ(box().selectionStart(), expected);
        EXPECT_EQ(box().selectionLength(), 3u);
    }
    control<QPushButton>(ui::findWindowControls::findAgainButton)->click();
    EXPECT_EQ(lastMessage(), "No more occurances of cat found.");
    EXPECT_FALSE(control<QPushButton>(ui::findWindowControls::findAgainButton)->isEnabled());
    control<QPushButton>(ui::findWindowControls::findButton)->click();
    EXPECT_EQ(box().selectionStart(), 4u);
}

TEST_F(FindWindowTest, caseMattersWhenNotIgnored) {
    search("CAT", false, false);
    control<QPushButton>(ui::findWindowControls::findAllButton)->click();
    EXPECT_EQ(lastMessage(), "1 occurance of CAT found.");
    search("dog", false, false);
    control<QPushButton>(ui::findWindowControls::findButton)->click();
    EXPECT_EQ(lastMessage(), "No occurance of dog found.");
}

TEST_F(FindWindowTest, findAllColoursExactlyTheOccurrencesItCounts) {
    search("cat", true, false);
    control<QPushButton>(ui::findWindowControls::findAllButton)->click();
    EXPECT_EQ(lastMessage(), "6 occurances of cat found.");
    EXPECT_EQ(box().markedOccurrences(), (std::vector<std::size_t>{4, 13, 21, 25, 30, 35}));
    EXPECT_TRUE(control<QCheckBox>(ui::findWindowControls::resetColourCheck)->isEnabled());
    EXPECT_FALSE(control<QPushButton>(ui::findWindowControls::findAgainButton)->isEnabled());

    control<QCheckBox>(ui::findWindowControls::resetColourCheck)
        ->setChecked(true); // the next search resets the colours
    search("zebra", true, true);
    control<QPushButton>(ui::findWindowControls::findAllButton)->click();
    EXPECT_EQ(lastMessage(), "No occurance of zebra was found.");
    EXPECT_TRUE(box().markedOccurrences().empty());
    EXPECT_FALSE(control<QCheckBox>(ui::findWindowControls::resetColourCheck)->isEnabled());
}

TEST_F(FindWindowTest, overlappingOccurrencesAreCountedAndColoursAreNotSaved) {
    box().setBytes("aaaa");
    search("aa", false, false);
    control<QPushButton>(ui::findWindowControls::findAllButton)->click();
    EXPECT_EQ(lastMessage(), "3 occurances of aa found.");
    const std::string path = (folder_ / "coloured.txt").string();
    files_.add(path);
    manipulator().saveFileAs();
    EXPECT_EQ(readFile(path), "aaaa");
}

} // namespace
} // namespace fieldizer::testing
