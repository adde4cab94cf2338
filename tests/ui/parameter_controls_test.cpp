// Reading and restoring parameters through the "settingsKey" property, for
// every kind of control a panel may use: the multi-line boxes' line breaks,
// list-only combos, check boxes, and keys without a control.
#include "ui/manipulator/parameter_controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace fieldizer::testing {
namespace {

class ParameterControls : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "ui_tests";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }
    template <class Control> Control* add(const char* key) {
        auto* control = new Control(&root);
        control->setProperty("settingsKey", QLatin1String(key));
        return control;
    }
    QWidget root;
};

TEST_F(ParameterControls, valuesGoInAndComeOutAsTheSettingsKeepThem) {
    auto* text = add<QPlainTextEdit>("addIfContains");
    auto* flag = add<QCheckBox>("moveEndOfLine");
    auto* mode = add<QComboBox>("formatCreate");
    mode->addItems({QStringLiteral("New column"), QStringLiteral("New line")});
    auto* number = add<QLineEdit>("moveFromCol");

    ParameterValues values = defaultParameterValues();
    values["addIfContains"] = "two\r\nlines \xE9";
    values["moveEndOfLine"] = "1";
    values["formatCreate"] = "New column";
    values["moveFromCol"] = "12";
    ui::showParameterValues(root, values);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("two\nlines \u00E9"));
    EXPECT_TRUE(flag->isChecked());
    EXPECT_EQ(mode->currentIndex(), 0);
    EXPECT_EQ(number->text(), QStringLiteral("12"));
    EXPECT_EQ(ui::readParameterControls(root), values) << "keys without a control keep defaults";
}

TEST_F(ParameterControls, aValueItsControlCannotHoldLeavesTheControlAsItWas) {
    auto* flag = add<QCheckBox>("moveEndOfLine");
    auto* mode = add<QComboBox>("formatCreate");
    mode->addItems({QStringLiteral("New column"), QStringLiteral("New line")});
    mode->setCurrentIndex(1);
    EXPECT_FALSE(ui::setControlValue(*flag, "2"));
    EXPECT_FALSE(ui::setControlValue(*mode, "Typed"));
    EXPECT_FALSE(flag->isChecked());
    EXPECT_EQ(mode->currentIndex(), 1);
    mode->setEditable(true);
    EXPECT_TRUE(ui::setControlValue(*mode, "Typed  "));
    EXPECT_EQ(ui::controlValue(*mode), "Typed  ") << "typed text is kept exactly";
    EXPECT_EQ(ui::parameterControl(root, "moveToCol"), nullptr);
    EXPECT_FALSE(ui::controlValue(root).has_value()) << "a plain widget holds no value";
}

} // namespace
} // namespace fieldizer::testing
