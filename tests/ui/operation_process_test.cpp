// "&Process" on the tabs Move to Format: the text comes out byte for byte as
// the engine makes it from the same record, the required fields stop the
// pass with their message and focus, the after-process options, and a field
// changed during a pass counting from the next line on.
#include "desktop_fixture.h"
#include "text_engine/add_text.h"
#include "text_engine/delete_text.h"
#include "text_engine/format_text.h"
#include "text_engine/move_text.h"
#include "text_engine/replace_text.h"
#include "text_engine/required_fields.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/manipulator/panel_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

using Settings = std::vector<std::pair<std::string, std::string>>;
using MakeOperation = std::function<LineOperation(const ParameterValues&)>;

// A page of a report: a title, a heading, blank lines, delimited rows.
std::string report(int rows) {
    std::string text = "MONTHLY SUMMARY   PAGE 1\r\n\r\nSTATION   ACCT;CODE;AMOUNT\r\n";
    for (int row = 0; row < rows; ++row)
        text += "ST" + std::to_string(row % 7) + "  ACCT" + std::to_string(row) + ";C" +
                std::to_string(row % 3) + ";" + std::to_string(row * 13 % 1000) + ".50\r\n" +
                (row % 5 == 4 ? "\r\n" : "");
    return text;
}

std::string engineResult(const std::string& text, const LineOperation& operation) {
    PassObserver quiet;
    return runPassInMemory(text, operation, quiet).text;
}

class Process : public DesktopTest {
  protected:
    QWidget* control(const std::string& key) const {
        for (QWidget* widget : window_->findChildren<QWidget*>())
            if (ui::settingsKeyOf(widget).toStdString() == key)
                return widget;
        ADD_FAILURE() << "no control for " << key;
        return nullptr;
    }
    // Puts the settings into the tab, clicks its "&Process" and expects the
    // engine's bytes for the defaults with the same settings.
    // Settings stay in the panel from one call to the next, as in the record.
    void expectEngineBytes(const char* button, const Settings& settings, MakeOperation make) {
        for (const auto& [key, value] : settings) {
            ui::setControlValue(control(key), value);
            values_[key] = value;
        }
        const std::string input = report(40);
        box().setBytes(input);
        click(button);
        EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.messages.front().text;
        EXPECT_EQ(text(), engineResult(input, make(values_))) << button;
        EXPECT_NE(text(), input) << button << ": the settings should change the text";
    }
    ParameterValues values_ = defaultParameterValues();
};

TEST_F(Process, moveGivesTheEnginesBytes) {
    expectEngineBytes(names::moveProcessButton,
                      {{"textToMove", "General Move"},
                       {"moveFromCol", "3"},
                       {"moveNumOfChars", "4"},
                       {"moveOptions", "Add spaces"},
                       {"movePlaceSpaces", "Left side"},
                       {"moveSpaces", "2"},
                       {"moveToCol", "12"}}, // greys out "Place spaces:", still read
                      [](const ParameterValues& v) { return moveOperation(moveParameters(v)); });
}

TEST_F(Process, addGivesTheEnginesBytes) {
    expectEngineBytes(names::addProcessButton,
                      {{"addText", "XY"},
                       {"addIfContains", "C1"},
                       {"addAtCol", "5"},
                       {"addOptions", "Add spaces"},
                       {"addSpaces", "1"}},
                      [](const ParameterValues& v) { return addOperation(addParameters(v)); });
}

TEST_F(Process, addWithEnterInTheConditionFillsTheEmptyLines) {
    QTest::keyClick(find(names::addIfContains), Qt::Key_Return);
    EXPECT_EQ(ui::controlValue(find(names::addIfContains)), "\r\n");
    expectEngineBytes(names::addProcessButton, {{"addText", "--"}, {"addIfContains", "\r\n"}},
                      [](const ParameterValues& v) { return addOperation(addParameters(v)); });
    EXPECT_NE(text().find("\r\n--\r\n"), std::string::npos);
}

TEST_F(Process, replaceGivesTheEnginesBytesInEveryMode) {
    auto make = [](const ParameterValues& v) { return replaceOperation(replaceParameters(v)); };
    expectEngineBytes(names::replaceProcessButton,
                      {{"replaceText", "ACCT"}, {"replaceWith", "account "}}, make);
    expectEngineBytes(names::replaceProcessButton,
                      {{"replaceText", "Specific Replace"},
                       {"replaceSpecificText", "ST"},
                       {"replaceAtCol", "1"},
                       {"replaceWith", "Station "}},
                      make);
    expectEngineBytes(names::replaceProcessButton,
                      {{"replaceText", "General Replace"},
                       {"replaceEndOfLine", "1"},
                       {"replaceNumOfChars", "3"},
                       {"replaceWith", "!"}},
                      make);
}

TEST_F(Process, deleteGivesTheEnginesBytesWithTheBlankLineRule) {
    auto make = [](const ParameterValues& v) { return deleteOperation(deleteParameters(v)); };
    expectEngineBytes(names::deleteProcessButton,
                      {{"deleteText", "General Delete"},
                       {"deleteFromCol", "4"},
                       {"deleteNumOfChars", "3"},
                       {"deleteOptions", "Add spaces"},
                       {"deleteSpaces", "2"}},
                      make);
    ui::setControlValue(find(names::deleteText), "Specific Delete"); // Text6 takes keys then
    QTest::keyClick(find(names::deleteSpecificText), Qt::Key_Return);
    EXPECT_EQ(ui::controlValue(find(names::deleteSpecificText)), "\r\n");
    expectEngineBytes(names::deleteProcessButton,
                      {{"deleteText", "Specific Delete"}, {"deleteSpecificText", "\r\n"}}, make);
    EXPECT_EQ(text().find("\r\n\r\n"), std::string::npos) << "the blank lines are gone";
}

TEST_F(Process, formatGivesTheEnginesBytes) {
    expectEngineBytes(
        names::formatProcessButton,
        {{"formatCreate", "New column"},
         {"formatDelimiter", ";"},
         {"formatSpacesBetweenCols", "3"},
         {"formatAddText", "Start of column"},
         {"formatTextToAdd", "ID-"},
         {"formatFirstSection", "No"}},
        [](const ParameterValues& v) { return formatOperation(formatParameters(v)); });
}

TEST_F(Process, anEmptyRequiredFieldShowsItsMessageAndTakesTheFocus) {
    const ParameterValues defaults = defaultParameterValues();
    const struct {
        const char* button;
        int tab;
        const char* field;
        std::optional<MissingField> missing;
    } cases[] = {
        {names::moveProcessButton, 1, names::textToMove, checkMoveFields(moveParameters(defaults))},
        {names::addProcessButton, 2, names::addText, checkAddFields(addParameters(defaults))},
        {names::replaceProcessButton, 3, names::replaceText,
         checkReplaceFields(replaceParameters(defaults))},
        {names::deleteProcessButton, 4, names::deleteText,
         checkDeleteFields(deleteParameters(defaults))},
        {names::formatProcessButton, 5, names::formatDelimiter,
         checkFormatFields(formatParameters(defaults))},
    };
    type("some text");
    for (const auto& [button, tab, field, missing] : cases) {
        ASSERT_TRUE(missing.has_value()) << button;
        dialogs_.messages.clear();
        manipulator().tabs()->setCurrentIndex(tab);
        click(button);
        ASSERT_EQ(dialogs_.messages.size(), 1u) << button;
        EXPECT_EQ(dialogs_.messages[0].id, missing->id) << button;
        EXPECT_EQ(dialogs_.messages[0].text, missing->message) << button;
        EXPECT_EQ(window_->focusWidget(), find(field)) << button;
        EXPECT_EQ(text(), "some text");
    }
}

TEST_F(Process, moveAloneSelectsAllAfterwards) {
    type("ABCDEFGH\r\nIJ");
    find<QComboBox>(names::textToMove)->setEditText(QStringLiteral("DE"));
    find<QCheckBox>(names::moveAfterProcessShow)->click();
    click(names::moveProcessButton);
    EXPECT_EQ(text(), "DEABCFGH\r\nIJ");
    EXPECT_EQ(manipulator().tabs()->currentIndex(), 0);
    EXPECT_EQ(box().selectionLength(), box().length());

    find<QComboBox>(names::replaceText)->setEditText(QStringLiteral("IJ"));
    find<QCheckBox>(names::replaceAfterProcessShow)->click();
    click(names::replaceProcessButton);
    EXPECT_EQ(box().selectionLength(), 0u) << "Replace does not act on Select All Text";
    find<QCheckBox>(names::replaceAfterProcess)->click();
    manipulator().tabs()->setCurrentIndex(3);
    click(names::replaceProcessButton);
    EXPECT_EQ(manipulator().tabs()->currentIndex(), 3);
}

TEST_F(Process, anInvalidColumnFailsThePassAndKeepsTheText) {
    type("ABCDEFGH");
    QComboBox* mode = find<QComboBox>(names::textToMove);
    mode->setCurrentIndex(mode->findText(QStringLiteral("General Move")));
    find<QLineEdit>(names::moveFromCol)->clear();
    click(names::moveProcessButton);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].title, "Fieldizer - Sorry...");
    EXPECT_EQ(text(), "ABCDEFGH");
}

// The replacement typed while the pass runs applies from the next line on:
// the result is the old replacement up to some line and the new one after.
TEST_F(Process, aFieldChangedDuringThePassCountsFromTheNextLine) {
    constexpr std::size_t lines = 2000000; // longer than one yield interval
    std::string input;
    for (std::size_t line = 0; line < lines; ++line)
        input += "ab\r\n";
    box().setBytes(input);
    find<QComboBox>(names::replaceText)->setEditText(QStringLiteral("b"));
    find<QLineEdit>(names::replaceWith)->setText(QStringLiteral("1"));
    // The first progress past the start comes from a yield after some lines.
    auto* progress = find<QProgressBar>(names::progressBar);
    QObject::connect(progress, &QProgressBar::valueChanged, progress, [this](int value) {
        if (value > 1)
            find<QLineEdit>(names::replaceWith)->setText(QStringLiteral("2"));
    });
    click(names::replaceProcessButton);
    const std::string result = text();
    const std::size_t firstNew = result.find("a2");
    ASSERT_NE(firstNew, std::string::npos) << "the pass ended before the change";
    ASSERT_GT(firstNew, 0u) << "the first line was handled before the change";
    std::string expected;
    for (std::size_t line = 0; line < lines; ++line)
        expected += line * 4 < firstNew ? "a1\r\n" : "a2\r\n";
    expected.resize(expected.size() - 2);
    EXPECT_EQ(result, expected);
}

} // namespace
} // namespace fieldizer::testing
