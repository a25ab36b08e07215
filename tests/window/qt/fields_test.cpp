#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <ostream>

#include "window_fixture.h"

namespace zarvek {
namespace {

class FieldsTest : public WindowTest {
  protected:
    QLineEdit* Typed(Field field, const char* keys) {
        QLineEdit* box = Box(field);
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        QTest::keyClicks(box, QString::fromUtf8(keys));
        return box;
    }
};

TEST_F(FieldsTest, ForbiddenKeystrokeIsDroppedWithOneBeep) {
    Start();
    window->FileNew();
    QLineEdit* box = Typed(Field::X1, "12a");
    EXPECT_EQ(box->text(), "12");
    EXPECT_EQ(box->cursorPosition(), 2);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(window->form().Text(Field::X1), "12");
}

TEST_F(FieldsTest, PasteKeepsTheLongestValidBeginningWithABeepPerCharacter) {
    Start();
    window->FileNew();
    QLineEdit* box = Box(Field::J2);
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("12a45"));
    box->paste();
    EXPECT_EQ(box->text(), "12");
    EXPECT_EQ(dialogs.beeps, 3);
}

TEST_F(FieldsTest, KeystrokeInTheMiddleStaysAndTheCaretJumpsToTheEnd) {
    Start();
    window->FileNew();
    QLineEdit* box = Typed(Field::Y3, "12.5");
    box->setCursorPosition(1);
    QTest::keyClick(box, Qt::Key_9);
    EXPECT_EQ(box->text(), "192.5");
    EXPECT_EQ(box->cursorPosition(), 5);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClick(box, Qt::Key_X);  // "1x92.5" keeps only "1"
    EXPECT_EQ(box->text(), "1");
    EXPECT_EQ(dialogs.beeps, 5);
}

TEST_F(FieldsTest, PartNameTakesEveryCharacterAndProbeDiameterIsChecked) {
    Start();
    window->FileNew();
    EXPECT_EQ(Typed(Field::PartName, "Bracket A+")->text(), "Bracket A+");
    EXPECT_EQ(Typed(Field::ProbeDiameter, "6 mm")->text(), "6");
    EXPECT_EQ(dialogs.beeps, 3);  // one for each keystroke refused
}

TEST_F(FieldsTest, TabbingIntoASeatFieldSelectsItsWholeText) {
    Start();
    window->FileNew();
    Box(Field::X2)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Box(Field::X2)->selectedText(), "0.0000");
    QTest::keyClick(Box(Field::X2), Qt::Key_7);
    EXPECT_EQ(Box(Field::X2)->text(), "7");
}

TEST_F(FieldsTest, ClickingIntoASeatFieldSelectsItsWholeText) {
    Start();
    window->FileNew();
    QLineEdit* box = Box(Field::Z1);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    QApplication::processEvents();
    EXPECT_EQ(box->selectedText(), "0.0000");
}

struct LeaveCase {
    Field field;
    const char* typed;
    NumberLocale locale;
    const char* shown;
};

void PrintTo(const LeaveCase& c, std::ostream* os) {
    *os << ControlName(c.field) << " \"" << c.typed << "\" in \"" << c.locale.decimalSeparator
        << "\" locale";
}

class LeavingAFieldInALocale : public WindowTest, public testing::WithParamInterface<LeaveCase> {};

TEST_P(LeavingAFieldInALocale, RewritesWithTheLocalesSeparator) {
    const LeaveCase c = GetParam();
    Start(Language::English, c.locale);
    window->FileNew();
    QLineEdit* box = Box(c.field);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, QString::fromUtf8(c.typed));
    Box(Field::PartName)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(box->text(), c.shown);
    EXPECT_EQ(dialogs.beeps, 0);
}

const NumberLocale kPoint{".", ","};
const NumberLocale kComma{",", "."};

INSTANTIATE_TEST_SUITE_P(Cases, LeavingAFieldInALocale,
                         testing::Values(LeaveCase{Field::X1, "1", kPoint, "1.0000"},
                                         LeaveCase{Field::K3, "-0,5", kComma, "-0,500000"}));

TEST_F(FieldsTest, LosingTheFocusToAnotherWindowDoesNotRewrite) {
    Start();
    window->FileNew();
    QLineEdit* box = Typed(Field::X1, "1");
    QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(box, &deactivated);
    EXPECT_EQ(box->text(), "1");
}

}  // namespace
}  // namespace zarvek
