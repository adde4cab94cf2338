// The operation tabs Move to Format as a user meets them: every parameter
// control by its Settings key with its default, the enable and show rules,
// the number boxes and spinners, and which changes are announced.
#include "desktop_fixture.h"
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
        for (const char* panel : {"moveTextPanel", "addTextPanel", "replaceTextPanel",
                                  "deleteTextPanel", "formatTextPanel"})
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
    find<QPlainTextEdit>("Text3")->setPlainText(QStringLiteral("a\r\nb"));
    EXPECT_EQ(ui::controlValue(find("Text3")), "a\r\nb");
}

TEST_F(Panels, theWindowOpensWithTheFieldsOfTheDefaultValuesGreyedOut) {
    for (const char* disabled :
         {"Text1", "Combo3", "Combo4", "Text4", "Text6", "Text9", "Combo10", "Combo11", "Combo15"})
        EXPECT_FALSE(enabled(disabled)) << disabled;
    // The number boxes start enabled, even where their caption is grey.
    for (const char* box : {"MaskEdBox5", "MaskEdBox6", "MaskEdBox12", "MaskEdBox13", "MaskEdBox14",
                            "MaskEdBox15", "UpDown5", "UpDown13"})
        EXPECT_TRUE(find(box)->isEnabled()) << box;
    for (const char* box : {"MaskEdBox5", "MaskEdBox6", "MaskEdBox12", "MaskEdBox13"})
        EXPECT_FALSE(captionEnabled(box)) << box;
    for (const char* on : {"MaskEdBox1", "MaskEdBox3", "MaskEdBox2", "MaskEdBox8", "MaskEdBox11",
                           "Check3", "Check4", "Check11", "Check15", "Combo13"})
        EXPECT_TRUE(enabled(on)) << on;
    EXPECT_TRUE(find("MaskEdBox16")->isHidden());
    EXPECT_TRUE(find("UpDown16")->isHidden());
    EXPECT_EQ(combo("Combo13")->itemText(0).toStdString(), "Start of line");
    EXPECT_EQ(find("Combo9")->toolTip().toStdString(),
              "If there are a series of delimiters in 1 line, enter them as they would occur (no "
              "spaces).  Separately, spaces may be used as a delimiter.");
}

TEST_F(Panels, theMoveModeEnablesTheFieldsItUses) {
    combo("Combo1")->setEditText(QStringLiteral("abc"));
    for (const char* field : {"MaskEdBox1", "MaskEdBox3", "Text1", "UpDown1", "UpDown3"})
        EXPECT_FALSE(find(field)->isEnabled()) << field;
    EXPECT_TRUE(enabled("MaskEdBox2")); // the target is not the mode's business
    choose("Combo1", "Specific Move");
    for (const char* field : {"MaskEdBox1", "MaskEdBox3", "Text1", "UpDown1"})
        EXPECT_TRUE(enabled(field)) << field;
    choose("Combo1", "General Move");
    EXPECT_FALSE(enabled("Text1"));
    EXPECT_TRUE(enabled("MaskEdBox3"));
}

TEST_F(Panels, theEndOfLineBoxesGreyOutTheirColumn) {
    for (auto [box, column] :
         {std::pair{"Check1", "MaskEdBox2"}, std::pair{"Check2", "MaskEdBox9"},
          std::pair{"Check3", "MaskEdBox11"}, std::pair{"Check4", "MaskEdBox7"}}) {
        check(box)->click();
        EXPECT_FALSE(enabled(column)) << box;
        EXPECT_EQ(edit(column)->text().toStdString(), "1") << "a disabled field keeps its value";
        check(box)->click();
        EXPECT_TRUE(enabled(column)) << box;
    }
}

TEST_F(Panels, uncheckingShowTextTabClearsAndGreysSelectAll) {
    for (auto [show, select] : {std::pair{"Check5", "Check11"}, std::pair{"Check6", "Check12"},
                                std::pair{"Check7", "Check13"}, std::pair{"Check8", "Check14"},
                                std::pair{"Check9", "Check15"}}) {
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
    for (auto [options, spaces, place] : {std::tuple{"Combo2", "MaskEdBox5", "Combo3"},
                                          std::tuple{"Combo5", "MaskEdBox6", "Combo4"},
                                          std::tuple{"Combo10", "MaskEdBox13", "Combo11"}}) {
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
    for (QWidget* widget : find("deleteTextPanel")->findChildren<QWidget*>())
        before[widget] = widget->isEnabled();
    choose("Combo8", "Add spaces");
    EXPECT_TRUE(enabled("MaskEdBox12"));
    for (auto [widget, wasEnabled] : before) {
        const bool spacesField = widget == find("MaskEdBox12") || widget == find("UpDown12") ||
                                 (qobject_cast<QLabel*>(widget) &&
                                  static_cast<QLabel*>(widget)->buddy() == find("MaskEdBox12"));
        if (!spacesField && widget->parentWidget() == find("deleteTextPanel")) {
            EXPECT_EQ(widget->isEnabled(), wasEnabled) << widget->objectName().toStdString();
        }
    }
}

TEST_F(Panels, aMoveTargetColumnGreysOutPlaceSpacesEvenWithAddSpaces) {
    choose("Combo2", "Add spaces");
    edit("MaskEdBox2")->setText(QStringLiteral("5"));
    EXPECT_FALSE(enabled("Combo3"));
    edit("MaskEdBox2")->clear();
    EXPECT_TRUE(enabled("Combo3"));
}

// Replace and Delete share the rule of their mode combo box.
TEST_F(Panels, theReplaceAndDeleteModesEnableTheFieldsTheyUse) {
    struct Tab {
        const char *mode, *general, *specific, *count, *column, *text, *endOfLine;
    };
    for (const Tab& tab : {Tab{"Combo7", "General Replace", "Specific Replace", "MaskEdBox8",
                               "MaskEdBox11", "Text4", "Check3"},
                           Tab{"Combo6", "General Delete", "Specific Delete", "MaskEdBox10",
                               "MaskEdBox7", "Text6", "Check4"}}) {
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
    choose("Combo13", "End of line");
    choose("Combo12", "New column");
    EXPECT_FALSE(find("MaskEdBox16")->isHidden());
    EXPECT_EQ(combo("Combo13")->currentText().toStdString(), "End of column");
    EXPECT_EQ(combo("Combo13")->count(), 3);
    for (const char* field : {"Combo10", "Text9", "Combo15", "MaskEdBox14", "MaskEdBox15"})
        EXPECT_TRUE(enabled(field)) << field;
    edit("Text9")->setText(QStringLiteral("ID-"));
    EXPECT_FALSE(enabled("MaskEdBox14"));
    EXPECT_FALSE(enabled("MaskEdBox15"));
    edit("Text9")->clear();
    edit("MaskEdBox14")->setText(QStringLiteral("2"));
    EXPECT_FALSE(enabled("Text9"));
    edit("MaskEdBox14")->setText(QStringLiteral("0"));
    EXPECT_TRUE(enabled("Text9"));
    choose("Combo13", "Omit text");
    for (const char* field :
         {"Combo10", "Combo11", "MaskEdBox13", "Text9", "MaskEdBox14", "MaskEdBox15", "Combo15"})
        EXPECT_FALSE(enabled(field)) << field;
    choose("Combo12", "New line");
    EXPECT_TRUE(find("MaskEdBox16")->isHidden());
    EXPECT_EQ(combo("Combo13")->currentText().toStdString(), "Omit text");
}

TEST_F(Panels, theFocusReappliesAComboRuleWithoutAnnouncingAChange) {
    choose("Combo2", "Add spaces");
    edit("MaskEdBox2")->setText(QStringLiteral("5"));
    ASSERT_FALSE(enabled("Combo3"));
    QSignalSpy changes(&manipulator(), &ui::Manipulator::parametersChanged);
    focusInto("Combo2");
    EXPECT_TRUE(enabled("Combo3"));
    focusInto("Combo12");
    focusInto("Combo1");
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(Panels, everyEditOfAParameterIsAnnounced) {
    QSignalSpy changes(&manipulator(), &ui::Manipulator::parametersChanged);
    int expected = 0;
    auto announced = [&](const char* what) {
        EXPECT_GT(changes.count(), expected) << what;
        expected = static_cast<int>(changes.count());
    };
    QTest::keyClicks(edit("MaskEdBox7"), QStringLiteral("2"));
    announced("number box");
    check("Check14")->click();
    announced("Select All Text");
    choose("Combo11", "Left side");
    announced("place of spaces");
    QTest::keyClicks(find("Text3"), QStringLiteral("x"));
    announced("multi-line box");
    QTest::keyClicks(combo("Combo9"), QStringLiteral(";"));
    announced("editable combo");
    find<ui::UpDown>("UpDown9")->step(1);
    announced("spinner");
    QTest::keyClicks(edit("MaskEdBox17"), QStringLiteral("4"));
    announced("the line length of Text/Lines");
}

TEST_F(Panels, theNumberBoxesTakeThreeDigitsAndTheSpinnersStepWithinThem) {
    QLineEdit* box = edit("MaskEdBox1");
    box->clear();
    QTest::keyClicks(box, QStringLiteral("12a345"));
    EXPECT_EQ(box->text().toStdString(), "123");
    auto* spinner = find<ui::UpDown>("UpDown1");
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
    QComboBox* box = combo("Combo7");
    QTest::keyClicks(box, QStringLiteral(" Gen "));
    EXPECT_EQ(box->currentText().toStdString(), " Gen ");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->currentText().toStdString(), " Gen ");
    EXPECT_EQ(box->count(), 2) << "Enter adds nothing to the list";
}

TEST_F(Panels, reopeningTheWindowRestoresTheNumberBoxesQuietly) {
    edit("MaskEdBox1")->setText(QStringLiteral("7"));
    edit("MaskEdBox16")->setText(QStringLiteral(""));
    QSignalSpy changes(&manipulator(), &ui::Manipulator::parametersChanged);
    manipulator().reinitialise();
    EXPECT_EQ(edit("MaskEdBox1")->text().toStdString(), "1");
    EXPECT_EQ(edit("MaskEdBox16")->text().toStdString(), "1");
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(Panels, tabOnProcessLeadsBetweenMoveAndAdd) {
    QTabWidget* tabs = manipulator().tabs();
    QTest::keyClick(find("Command2"), Qt::Key_Tab);
    EXPECT_EQ(tabs->currentIndex(), 2);
    QTest::keyClick(find("Command3"), Qt::Key_Tab);
    EXPECT_EQ(tabs->currentIndex(), 1);
}

} // namespace
} // namespace fieldizer::testing
