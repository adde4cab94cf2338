// The operation tabs Move to Format as a user meets them: every parameter
// control by its Settings key with its default, the enable and show rules,
// the number boxes and spinners, and which changes are announced.
#include "desktop_fixture.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/manipulator/panel_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <set>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

class Panels : public DesktopTest {
  protected:
    QComboBox* combo(const char* name) const { return find<QComboBox>(name); }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
    QCheckBox* check(const char* name) const { return find<QCheckBox>(name); }
    // A field is enabled when its caption, its control and its spinner are.
    bool enabled(const char* name) const {
        QWidget* control = find(name);
        bool all = control->isEnabled();
        for (QLabel* caption : window_->findChildren<QLabel*>())
            if (caption->buddy() == control)
                all = all && caption->isEnabled();
        return all;
    }
    bool captionEnabled(const char* name) const {
        for (QLabel* caption : window_->findChildren<QLabel*>())
            if (caption->buddy() == find(name))
                return caption->isEnabled();
        ADD_FAILURE() << "no caption for " << name;
        return false;
    }
    void choose(const char* name, const char* item) const {
        QComboBox* box = combo(name);
        box->setCurrentIndex(box->findText(QLatin1String(item)));
    }
    void focusInto(const char* name) const {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(find(name), &focus);
    }
    std::vector<QWidget*> parameterControls() const {
        std::vector<QWidget*> controls;
        for (const char* panel : {names::movePanel, names::addPanel, names::replacePanel,
                                  names::deletePanel, names::formatPanel})
            for (QWidget* control : find(panel)->findChildren<QWidget*>())
                if (!ui::settingsKeyOf(control).isEmpty())
                    controls.push_back(control);
        return controls;
    }
};

bool onOperationTab(const ParameterKey& key) {
    return key.tab == KeyTab::Move || key.tab == KeyTab::Add || key.tab == KeyTab::Replace ||
           key.tab == KeyTab::Delete || key.tab == KeyTab::Format;
}

TEST_F(Panels, everyKeyOfTheFiveTabsHasOneControlShowingItsDefault) {
    std::set<std::string> keys;
    for (QWidget* control : parameterControls()) {
        const std::string key = ui::settingsKeyOf(control).toStdString();
        EXPECT_TRUE(keys.insert(key).second) << "two controls for " << key;
        const ParameterKey* described = findParameterKey(key);
        ASSERT_NE(described, nullptr) << key;
        EXPECT_EQ(ui::controlValue(control), described->defaultValue) << key;
    }
    for (const ParameterKey& key : parameterKeys()) {
        if (onOperationTab(key)) {
            EXPECT_EQ(keys.count(std::string(key.name)), 1u) << key.name;
        }
    }
}

TEST_F(Panels, aValuePutIntoAControlReadsBackExactly) {
    for (QWidget* control : parameterControls()) {
        const ParameterKey& key = parameterKey(ui::settingsKeyOf(control).toStdString());
        std::string value = key.kind == KeyKind::Flag ? "1" : key.digitBox ? "42" : "  a b  ";
        if (qobject_cast<QPlainTextEdit*>(control))
            value = "\r\n";
        if (auto* list = qobject_cast<QComboBox*>(control); list && !list->isEditable())
            value = list->itemText(0).toStdString();
        ui::setControlValue(control, value);
        EXPECT_EQ(ui::controlValue(control), value) << key.name;
    }
    // A multi-line box given CR LF directly still reads one line break.
    find<QPlainTextEdit>(names::addIfContains)->setPlainText(QStringLiteral("a\r\nb"));
    EXPECT_EQ(ui::controlValue(find(names::addIfContains)), "a\r\nb");
}

TEST_F(Panels, theWindowOpensWithTheFieldsOfTheDefaultValuesGreyedOut) {
    for (const char* disabled :
         {names::moveSpecificText, names::movePlaceSpaces, names::addPlaceSpaces,
          names::replaceSpecificText, names::deleteSpecificText, names::formatTextToAdd,
          names::formatOptions, names::formatPlaceSpaces, names::formatFirstSection})
        EXPECT_FALSE(enabled(disabled)) << disabled;
    // The number boxes start enabled, even where their caption is grey.
    for (const char* box : {names::moveSpaces, names::addSpaces, names::deleteSpaces,
                            names::formatSpaces, names::formatAddFromCol, names::formatNumOfChars,
                            names::moveSpacesSpinner, names::formatSpacesSpinner})
        EXPECT_TRUE(find(box)->isEnabled()) << box;
    for (const char* box :
         {names::moveSpaces, names::addSpaces, names::deleteSpaces, names::formatSpaces})
        EXPECT_FALSE(captionEnabled(box)) << box;
    for (const char* on :
         {names::moveFromCol, names::moveNumOfChars, names::moveToCol, names::replaceNumOfChars,
          names::replaceAtCol, names::replaceEndOfLine, names::deleteEndOfLine,
          names::moveAfterProcessShow, names::formatAfterProcessShow, names::formatAddText})
        EXPECT_TRUE(enabled(on)) << on;
    EXPECT_TRUE(find(names::formatSpacesBetweenCols)->isHidden());
    EXPECT_TRUE(find(names::formatSpacesBetweenColsSpinner)->isHidden());
    EXPECT_EQ(combo(names::formatAddText)->itemText(0).toStdString(), "Start of line");
    EXPECT_EQ(find(names::formatDelimiter)->toolTip().toStdString(),
              "If there are a series of delimiters in 1 line, enter them as they would occur (no "
              "spaces).  Separately, spaces may be used as a delimiter.");
}

TEST_F(Panels, theMoveModeEnablesTheFieldsItUses) {
    combo(names::textToMove)->setEditText(QStringLiteral("abc"));
    for (const char* field : {names::moveFromCol, names::moveNumOfChars, names::moveSpecificText,
                              names::moveFromColSpinner, names::moveNumOfCharsSpinner})
        EXPECT_FALSE(find(field)->isEnabled()) << field;
    EXPECT_TRUE(enabled(names::moveToCol)); // the target is not the mode's business
    choose(names::textToMove, "Specific Move");
    for (const char* field : {names::moveFromCol, names::moveNumOfChars, names::moveSpecificText,
                              names::moveFromColSpinner})
        EXPECT_TRUE(enabled(field)) << field;
    choose(names::textToMove, "General Move");
    EXPECT_FALSE(enabled(names::moveSpecificText));
    EXPECT_TRUE(enabled(names::moveNumOfChars));
}

TEST_F(Panels, theEndOfLineBoxesGreyOutTheirColumn) {
    for (auto [box, column] : {std::pair{names::moveEndOfLine, names::moveToCol},
                               std::pair{names::addEndOfLine, names::addAtCol},
                               std::pair{names::replaceEndOfLine, names::replaceAtCol},
                               std::pair{names::deleteEndOfLine, names::deleteFromCol}}) {
        check(box)->click();
        EXPECT_FALSE(enabled(column)) << box;
        EXPECT_EQ(edit(column)->text().toStdString(), "1") << "a disabled field keeps its value";
        check(box)->click();
        EXPECT_TRUE(enabled(column)) << box;
    }
}

TEST_F(Panels, uncheckingShowTextTabClearsAndGreysSelectAll) {
    for (auto [show, select] :
         {std::pair{names::moveAfterProcess, names::moveAfterProcessShow},
          std::pair{names::addAfterProcess, names::addAfterProcessShow},
          std::pair{names::replaceAfterProcess, names::replaceAfterProcessShow},
          std::pair{names::deleteAfterProcess, names::deleteAfterProcessShow},
          std::pair{names::formatAfterProcess, names::formatAfterProcessShow}}) {
        check(select)->click();
        check(show)->click();
        EXPECT_FALSE(check(select)->isChecked()) << select;
        EXPECT_FALSE(check(select)->isEnabled()) << select;
        check(show)->click();
        EXPECT_TRUE(check(select)->isEnabled()) << select;
        EXPECT_FALSE(check(select)->isChecked()) << select;
    }
}

TEST_F(Panels, addSpacesEnablesTheSpacesFieldsOfItsTab) {
    for (auto [options, spaces, place] :
         {std::tuple{names::moveOptions, names::moveSpaces, names::movePlaceSpaces},
          std::tuple{names::addOptions, names::addSpaces, names::addPlaceSpaces},
          std::tuple{names::formatOptions, names::formatSpaces, names::formatPlaceSpaces}}) {
        choose(options, "Add spaces");
        EXPECT_TRUE(enabled(spaces)) << options;
        EXPECT_TRUE(enabled(place)) << options;
        choose(options, "Omit spaces");
        EXPECT_FALSE(enabled(spaces)) << options;
        EXPECT_FALSE(enabled(place)) << options;
    }
}

TEST_F(Panels, addSpacesOnTheDeleteTabEnablesOnlyTheNumberOfSpaces) {
    std::map<QWidget*, bool> before;
    for (QWidget* widget : find(names::deletePanel)->findChildren<QWidget*>())
        before[widget] = widget->isEnabled();
    choose(names::deleteOptions, "Add spaces");
    EXPECT_TRUE(enabled(names::deleteSpaces));
    for (auto [widget, wasEnabled] : before) {
        const bool spacesField =
            widget == find(names::deleteSpaces) || widget == find(names::deleteSpacesSpinner) ||
            (qobject_cast<QLabel*>(widget) &&
             static_cast<QLabel*>(widget)->buddy() == find(names::deleteSpaces));
        if (!spacesField && widget->parentWidget() == find(names::deletePanel)) {
            EXPECT_EQ(widget->isEnabled(), wasEnabled) << widget->objectName().toStdString();
        }
    }
}

TEST_F(Panels, aMoveTargetColumnGreysOutPlaceSpacesEvenWithAddSpaces) {
    choose(names::moveOptions, "Add spaces");
    edit(names::moveToCol)->setText(QStringLiteral("5"));
    EXPECT_FALSE(enabled(names::movePlaceSpaces));
    edit(names::moveToCol)->clear();
    EXPECT_TRUE(enabled(names::movePlaceSpaces));
}

// Replace and Delete share the rule of their mode combo box.
TEST_F(Panels, theReplaceAndDeleteModesEnableTheFieldsTheyUse) {
    struct Tab {
        const char *mode, *general, *specific, *count, *column, *text, *endOfLine;
    };
    for (const Tab& tab :
         {Tab{names::replaceText, "General Replace", "Specific Replace", names::replaceNumOfChars,
              names::replaceAtCol, names::replaceSpecificText, names::replaceEndOfLine},
          Tab{names::deleteText, "General Delete", "Specific Delete", names::deleteNumOfChars,
              names::deleteFromCol, names::deleteSpecificText, names::deleteEndOfLine}}) {
        check(tab.endOfLine)->click();
        combo(tab.mode)->setEditText(QStringLiteral("typed"));
        EXPECT_FALSE(check(tab.endOfLine)->isChecked()) << tab.mode;
        for (const char* field : {tab.count, tab.column, tab.text, tab.endOfLine})
            EXPECT_FALSE(enabled(field)) << tab.mode << " " << field;
        choose(tab.mode, tab.specific);
        EXPECT_TRUE(enabled(tab.text)) << tab.mode;
        EXPECT_FALSE(enabled(tab.count)) << tab.mode;
        EXPECT_TRUE(enabled(tab.column)) << tab.mode;
        EXPECT_TRUE(enabled(tab.endOfLine)) << tab.mode;
        check(tab.endOfLine)->click();
        choose(tab.mode, tab.general);
        EXPECT_FALSE(enabled(tab.text)) << tab.mode;
        EXPECT_TRUE(enabled(tab.count)) << tab.mode;
        EXPECT_FALSE(enabled(tab.column)) << "the end of the line is checked";
    }
}

TEST_F(Panels, theFormatTabFollowsWhatADelimiterCreatesAndTheAddedText) {
    choose(names::formatAddText, "End of line");
    choose(names::formatCreate, "New column");
    EXPECT_FALSE(find(names::formatSpacesBetweenCols)->isHidden());
    EXPECT_EQ(combo(names::formatAddText)->currentText().toStdString(), "End of column");
    EXPECT_EQ(combo(names::formatAddText)->count(), 3);
    for (const char* field :
         {names::formatOptions, names::formatTextToAdd, names::formatFirstSection,
          names::formatAddFromCol, names::formatNumOfChars})
        EXPECT_TRUE(enabled(field)) << field;
    edit(names::formatTextToAdd)->setText(QStringLiteral("ID-"));
    EXPECT_FALSE(enabled(names::formatAddFromCol));
    EXPECT_FALSE(enabled(names::formatNumOfChars));
    edit(names::formatTextToAdd)->clear();
    edit(names::formatAddFromCol)->setText(QStringLiteral("2"));
    EXPECT_FALSE(enabled(names::formatTextToAdd));
    edit(names::formatAddFromCol)->setText(QStringLiteral("0"));
    EXPECT_TRUE(enabled(names::formatTextToAdd));
    choose(names::formatAddText, "Omit text");
    for (const char* field : {names::formatOptions, names::formatPlaceSpaces, names::formatSpaces,
                              names::formatTextToAdd, names::formatAddFromCol,
                              names::formatNumOfChars, names::formatFirstSection})
        EXPECT_FALSE(enabled(field)) << field;
    choose(names::formatCreate, "New line");
    EXPECT_TRUE(find(names::formatSpacesBetweenCols)->isHidden());
    EXPECT_EQ(combo(names::formatAddText)->currentText().toStdString(), "Omit text");
}

TEST_F(Panels, theFocusReappliesAComboRuleWithoutAnnouncingAChange) {
    choose(names::moveOptions, "Add spaces");
    edit(names::moveToCol)->setText(QStringLiteral("5"));
    ASSERT_FALSE(enabled(names::movePlaceSpaces));
    QSignalSpy changes(&manipulator(), &ui::Manipulator::parametersChanged);
    focusInto(names::moveOptions);
    EXPECT_TRUE(enabled(names::movePlaceSpaces));
    focusInto(names::formatCreate);
    focusInto(names::textToMove);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(Panels, everyEditOfAParameterIsAnnounced) {
    QSignalSpy changes(&manipulator(), &ui::Manipulator::parametersChanged);
    int expected = 0;
    auto announced = [&](const char* what) {
        EXPECT_GT(changes.count(), expected) << what;
        expected = static_cast<int>(changes.count());
    };
    QTest::keyClicks(edit(names::deleteFromCol), QStringLiteral("2"));
    announced("number box");
    check(names::deleteAfterProcessShow)->click();
    announced("Select All Text");
    choose(names::formatPlaceSpaces, "Left side");
    announced("place of spaces");
    QTest::keyClicks(find(names::addIfContains), QStringLiteral("x"));
    announced("multi-line box");
    QTest::keyClicks(combo(names::formatDelimiter), QStringLiteral(";"));
    announced("editable combo");
    find<ui::UpDown>(names::addAtColSpinner)->step(1);
    announced("spinner");
    QTest::keyClicks(edit(names::startLineAfter), QStringLiteral("4"));
    announced("the line length of Text/Lines");
}

TEST_F(Panels, theNumberBoxesTakeThreeDigitsAndTheSpinnersStepWithinThem) {
    QLineEdit* box = edit(names::moveFromCol);
    box->clear();
    QTest::keyClicks(box, QStringLiteral("12a345"));
    EXPECT_EQ(box->text().toStdString(), "123");
    auto* spinner = find<ui::UpDown>(names::moveFromColSpinner);
    box->clear();
    spinner->step(1);
    EXPECT_EQ(box->text().toStdString(), "1") << "an empty box counts as 0";
    spinner->step(-1);
    spinner->step(-1);
    EXPECT_EQ(box->text().toStdString(), "0");
    box->setText(QStringLiteral("999"));
    spinner->step(1);
    EXPECT_EQ(box->text().toStdString(), "999");
}

TEST_F(Panels, anEditableComboKeepsTypedTextExactly) {
    QComboBox* box = combo(names::replaceText);
    QTest::keyClicks(box, QStringLiteral(" Gen "));
    EXPECT_EQ(box->currentText().toStdString(), " Gen ");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->currentText().toStdString(), " Gen ");
    EXPECT_EQ(box->count(), 2) << "Enter adds nothing to the list";
}

TEST_F(Panels, reopeningTheWindowRestoresTheNumberBoxesQuietly) {
    edit(names::moveFromCol)->setText(QStringLiteral("7"));
    edit(names::formatSpacesBetweenCols)->setText(QStringLiteral(""));
    QSignalSpy changes(&manipulator(), &ui::Manipulator::parametersChanged);
    manipulator().reinitialise();
    EXPECT_EQ(edit(names::moveFromCol)->text().toStdString(), "1");
    EXPECT_EQ(edit(names::formatSpacesBetweenCols)->text().toStdString(), "1");
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(Panels, tabOnProcessLeadsBetweenMoveAndAdd) {
    QTabWidget* tabs = manipulator().tabs();
    QTest::keyClick(find(names::moveProcessButton), Qt::Key_Tab);
    EXPECT_EQ(tabs->currentIndex(), 2);
    QTest::keyClick(find(names::addProcessButton), Qt::Key_Tab);
    EXPECT_EQ(tabs->currentIndex(), 1);
}

} // namespace
} // namespace fieldizer::testing
