// A field refuses a character the program's Windows-1252 cannot hold, and
// says so; characters it can hold, and each field's own rules, are as before.
#include "desktop_fixture.h"
#include "shell/editing/unheld_character.h"
#include "ui/manipulator/manipulator_controls.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

class FieldCharacters : public DesktopTest {
  protected:
    QLineEdit* shownField(const char* name) {
        auto* field = find<QLineEdit>(name);
        field->ensurePolished(); // as when its tab is first shown
        field->setFocus();
        return field;
    }
    // Types each character as a key press carrying it, as a keyboard layout
    // or an input method delivers it.
    static void typeInto(QLineEdit* field, const QString& text) {
        for (char32_t character : text.toUcs4()) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                            QString::fromUcs4(&character, 1));
            QApplication::sendEvent(field, &press);
        }
    }
    std::vector<std::string> refusals() const {
        std::vector<std::string> texts;
        for (const Message& message : dialogs_.messages)
            if (message.id == unheldCharacterMessage)
                texts.push_back(message.text);
        return texts;
    }
};

TEST_F(FieldCharacters, aCharacterOutsideWindows1252IsRefusedWithItsCodePoint) {
    QLineEdit* field = shownField(names::addText);
    typeInto(field, QStringLiteral("ab"));
    typeInto(field, QString(QChar(0x0416)));
    EXPECT_EQ(field->text(), QStringLiteral("ab")) << "the field keeps what it had";
    ASSERT_EQ(refusals().size(), 1u);
    EXPECT_NE(refusals()[0].find("U+0416"), std::string::npos) << refusals()[0];

    // A paste holding one is refused whole, an emoji (two UTF-16 units) too.
    QApplication::clipboard()->setText(QStringLiteral("x") + QString::fromUcs4(U"\U0001F600"));
    field->paste();
    EXPECT_EQ(field->text(), QStringLiteral("ab"));
    ASSERT_EQ(refusals().size(), 2u);
    EXPECT_NE(refusals()[1].find("U+1F600"), std::string::npos) << refusals()[1];
}

TEST_F(FieldCharacters, charactersOfWindows1252AndTheFieldsOwnRulesStayAsTheyWere) {
    QLineEdit* field = shownField(names::addText);
    // e acute, the euro sign and the left double quote are all Windows-1252.
    const QString held = QString::fromUcs4(U"\u00E9\u20AC\u201C");
    typeInto(field, held);
    EXPECT_EQ(field->text(), held);

    // A number box still takes three digits only, and refusing a letter
    // there is its own rule, not a character the program cannot hold.
    QLineEdit* number = shownField(names::addAtCol);
    number->clear();
    typeInto(number, QStringLiteral("12x3"));
    EXPECT_EQ(number->text(), QStringLiteral("123"));
    EXPECT_TRUE(refusals().empty());
}

} // namespace
} // namespace fieldizer::testing
