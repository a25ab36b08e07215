#include "form/form_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_dialogs.h"

namespace zarvek {
namespace {

const NumberLocale kPointLocale{".", ","};
const NumberLocale kCommaLocale{",", "."};

// Records what a window bound to the model would be told.
class RecordingObserver : public FormObserver {
  public:
    void TextChanged(Field field) override { changed.push_back(field); }
    void WriteGateChanged(bool open) override { gateStates.push_back(open); }
    void InputLockChanged(bool locked) override { lockStates.push_back(locked); }
    std::vector<Field> changed;
    std::vector<bool> gateStates;
    std::vector<bool> lockStates;
};

class FormModelTest : public testing::Test {
  protected:
    testing_support::RecordingDialogs dialogs;
    FormModel form{dialogs};
};

TEST_F(FormModelTest, PastedTextIsCutDownWithOneBeepPerCharacterAndTheCaretAtTheEnd) {
    form.SetText(Field::X1, "12a45");
    EXPECT_EQ(form.Text(Field::X1), "12");
    EXPECT_EQ(dialogs.beeps, 3);
    EXPECT_EQ(form.SelectionOf(Field::X1), (Selection{2, 0}));
}

TEST_F(FormModelTest, ValidKeystrokeInTheMiddleMovesTheCaretToTheEnd) {
    form.SetText(Field::I2, "12.5");
    form.SetText(Field::I2, "192.5");
    EXPECT_EQ(form.Text(Field::I2), "192.5");
    EXPECT_EQ(form.SelectionOf(Field::I2), (Selection{5, 0}));
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(FormModelTest, RejectedKeystrokeIsReportedSoTheWindowDropsIt) {
    RecordingObserver observer;
    form.SetObserver(&observer);
    form.SetText(Field::Z3, "12");
    observer.changed.clear();
    form.SetText(Field::Z3, "12a");  // the window shows "12a" until told otherwise
    EXPECT_EQ(form.Text(Field::Z3), "12");
    EXPECT_EQ(observer.changed, std::vector<Field>{Field::Z3});
}

TEST_F(FormModelTest, ProbeDiameterIsCheckedButPartNameTakesAnyCharacter) {
    form.SetText(Field::ProbeDiameter, "6.35 mm");
    form.SetText(Field::PartName, "Bracket A, rev +2");
    EXPECT_EQ(form.Text(Field::ProbeDiameter), "6.35");
    EXPECT_EQ(form.Text(Field::PartName), "Bracket A, rev +2");
    EXPECT_EQ(dialogs.beeps, 3);
}

// Every opener and closer of the write gate that lives in the model.
TEST_F(FormModelTest, AnyChangeOfAnyFieldClosesTheWriteGate) {
    for (const Field field : AllFields()) {
        form.DisableWriteCommands(false);
        form.SetText(field, "7");
        EXPECT_FALSE(form.WriteGateOpen()) << ControlName(field);
    }
}

TEST_F(FormModelTest, AssigningTheSameTextIsNoChangeAndKeepsTheGateOpen) {
    form.SetText(Field::PartName, "A");
    form.SetText(Field::X1, "1.0000");
    form.DisableWriteCommands(false);
    RecordingObserver observer;
    form.SetObserver(&observer);
    form.SetText(Field::PartName, "A");
    form.SetText(Field::X1, "1.0000");
    form.LeaveField(Field::X1, FocusLoss::MovedOn, kPointLocale);
    EXPECT_TRUE(form.WriteGateOpen());
    EXPECT_TRUE(observer.changed.empty());
}

TEST_F(FormModelTest, EveryGateAndLockCallIsReported) {
    RecordingObserver observer;
    form.SetObserver(&observer);
    form.DisableWriteCommands(false);
    form.DisableWriteCommands(true);
    form.LockInputFields(false);
    EXPECT_EQ(observer.gateStates, (std::vector<bool>{true, false}));
    EXPECT_EQ(observer.lockStates, std::vector<bool>{false});
}

TEST_F(FormModelTest, EnteringASeatFieldSelectsItsWholeTextOnly) {
    form.SetText(Field::Y2, "-12.5");
    form.SetText(Field::ProbeDiameter, "6");
    form.EnterField(Field::Y2);
    form.EnterField(Field::ProbeDiameter);
    EXPECT_EQ(form.SelectionOf(Field::Y2), (Selection{0, 5}));
    EXPECT_EQ(form.SelectionOf(Field::ProbeDiameter), (Selection{1, 0}));
}

TEST_F(FormModelTest, StartupSetsEverySeatFieldToZeroWithTheGateClosed) {
    form.DisableWriteCommands(false);
    SetStartupSeatTexts(form, kPointLocale);
    for (const Field field : SeatFields()) {
        EXPECT_EQ(form.Text(field), "0.0000") << ControlName(field);
    }
    // Where "." groups digits, "0.0000" would be refused as a slip.
    SetStartupSeatTexts(form, kCommaLocale);
    EXPECT_EQ(form.Text(Field::K3), "0,0000");
    EXPECT_EQ(form.Text(Field::ProbeDiameter), "");
    EXPECT_EQ(form.Text(Field::PartName), "");
    EXPECT_FALSE(form.WriteGateOpen());
    EXPECT_EQ(dialogs.beeps, 0);
}

// Leaving a field rewrites a number with the field's pattern in the user's locale; anything that
// is not a number stays as typed, and so does a digit-group separator, a slip of the decimal one.
// A checked direction gains a sixth decimal; the probe diameter is never rewritten.
TEST(FormModelLeaving, RewritesANumberWithTheFieldsPatternInTheUsersLocale) {
    const struct {
        Field field;
        const char* text;
        const NumberLocale& locale;
        const char* expected;
    } rows[] = {{Field::X1, "1", kPointLocale, "1.0000"},
                {Field::I1, "0.70710678", kPointLocale, "0.707107"},
                {Field::Z1, "-2.5", kPointLocale, "-2.5000"},
                {Field::Y3, "1.00005", kPointLocale, "1.0001"},
                {Field::X1, "12,5", kPointLocale, "12,5"},
                {Field::I2, "1,000", kPointLocale, "1,000"},
                {Field::K2, "1.00000", kPointLocale, "1.000000"},
                {Field::X2, "-0.00001", kPointLocale, "0.0000"},
                {Field::X1, "1.0000", kPointLocale, "1.0000"},
                {Field::X1, "", kPointLocale, ""},
                {Field::X1, "-", kPointLocale, "-"},
                {Field::J1, "1-2", kPointLocale, "1-2"},
                {Field::X1, "--1..2", kPointLocale, "--1..2"},
                {Field::X1, "1.2.3", kPointLocale, "1.2.3"},
                {Field::ProbeDiameter, "6.35", kPointLocale, "6.35"},
                {Field::ProbeDiameter, "6", kPointLocale, "6"},
                {Field::X1, "1", kCommaLocale, "1,0000"},
                {Field::X1, "1,5", kCommaLocale, "1,5000"},
                {Field::X1, "12.5", kCommaLocale, "12.5"},
                {Field::I3, "-0,57735026918962573", kCommaLocale, "-0,577350"},
                {Field::X1, "1,2,3", kCommaLocale, "1,2,3"},
                {Field::ProbeDiameter, "6,35", kCommaLocale, "6,35"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(ControlName(row.field) + " \"" + row.text + "\"");
        testing_support::RecordingDialogs dialogs;
        FormModel form(dialogs);
        form.SetText(row.field, row.text);
        form.DisableWriteCommands(false);
        form.LeaveField(row.field, FocusLoss::MovedOn, row.locale);
        EXPECT_EQ(form.Text(row.field), row.expected);
        // A rewrite is a change and closes the gate; an unchanged text leaves it open.
        EXPECT_EQ(form.WriteGateOpen(), std::string(row.text) == row.expected);
        EXPECT_EQ(dialogs.beeps, 0);
    }
}

// A field left because another window took the focus, or because New moved it to the part
// name, keeps its text: the operator did not move on.
TEST_F(FormModelTest, OnlyMovingOnRewritesTheFieldLeft) {
    for (const FocusLoss loss : {FocusLoss::WindowLeft, FocusLoss::ByNew}) {
        form.SetText(Field::X1, "1");
        form.DisableWriteCommands(false);
        form.LeaveField(Field::X1, loss, kPointLocale);
        EXPECT_EQ(form.Text(Field::X1), "1") << static_cast<int>(loss);
        EXPECT_TRUE(form.WriteGateOpen()) << static_cast<int>(loss);
    }
}

TEST(FormModelPartName, IsNeverRewrittenOnLeaving) {
    testing_support::RecordingDialogs dialogs;
    FormModel form(dialogs);
    form.SetText(Field::PartName, "12");
    form.LeaveField(Field::PartName, FocusLoss::MovedOn, kPointLocale);
    EXPECT_EQ(form.Text(Field::PartName), "12");
}

}  // namespace
}  // namespace zarvek
