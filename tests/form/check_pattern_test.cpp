#include "form/check_pattern.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "support/recording_dialogs.h"
#include "strings/string_table.h"

namespace zarvek {
namespace {

struct Seat {
    const char* x;
    const char* y;
    const char* z;
    const char* i;
    const char* j;
    const char* k;
};
using Seats = std::array<Seat, 3>;

// P1 (0, 0, 0), P2 (100, 0, 0), P3 (30, 80, 0), all pointing up: a pattern that passes.
constexpr Seats kGood = {Seat{"0", "0", "0", "0", "0", "1"}, Seat{"100", "0", "0", "0", "0", "1"},
                         Seat{"30", "80", "0", "0", "0", "1"}};

void Fill(FormModel& form, const Seats& seats, const char* probe = "6",
          const char* name = "Bracket") {
    form.SetText(Field::PartName, name);
    form.SetText(Field::ProbeDiameter, probe);
    for (int s = 0; s < 3; ++s) {
        const Seat& seat = seats[static_cast<std::size_t>(s)];
        form.SetText(SeatField(Axis::X, s), seat.x);
        form.SetText(SeatField(Axis::Y, s), seat.y);
        form.SetText(SeatField(Axis::Z, s), seat.z);
        form.SetText(SeatField(Axis::I, s), seat.i);
        form.SetText(SeatField(Axis::J, s), seat.j);
        form.SetText(SeatField(Axis::K, s), seat.k);
    }
}

std::array<std::string, 9> Directions(const FormModel& form) {
    std::array<std::string, 9> texts;
    for (int s = 0; s < 3; ++s) {
        for (int a = 0; a < 3; ++a) {
            texts[static_cast<std::size_t>(3 * s + a)] =
                form.Text(SeatField(static_cast<Axis>(3 + a), s));
        }
    }
    return texts;
}

void ExpectMessage(const Message& actual, const Message& expected) {
    EXPECT_EQ(actual.prompt, expected.prompt);
    EXPECT_EQ(actual.title, expected.title);
    EXPECT_EQ(actual.buttons, expected.buttons);
    EXPECT_EQ(actual.icon, expected.icon);
    EXPECT_EQ(actual.defaultButton, expected.defaultButton);
}

Message CriticalOk(std::string prompt, std::string title) {
    return Message{std::move(prompt), std::move(title), Buttons::Ok, Icon::Critical, Answer::Ok};
}

struct CheckCase {
    const char* name;
    Seats seats;
    const char* probe;
    const char* partName;
    std::vector<Answer> answers;
    CheckOutcome outcome;
    std::vector<Message> messages;
    bool gateOpen;
    bool locked;  // the fields start locked: failures and warnings unlock them, a pass does not
    std::array<std::string, 9> directions;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

std::string CaseName(const testing::TestParamInfo<CheckCase>& info) {
    return info.param.name;
}

const std::array<std::string, 9> kUp = {"0.00000", "0.00000", "1.00000", "0.00000", "0.00000",
                                        "1.00000", "0.00000", "0.00000", "1.00000"};

// Every outcome row: its one message exactly, the write gate, the lock and the direction fields.
class CheckPatternOutcome : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckPatternOutcome, EndsAsTheTableSays) {
    const CheckCase& c = GetParam();
    testing_support::RecordingDialogs dialogs;
    FormModel form(dialogs);
    Fill(form, c.seats, c.probe, c.partName);
    form.LockInputFields(true);
    form.DisableWriteCommands(!c.gateOpen);  // the opposite of the expected end
    dialogs.answers.assign(c.answers.begin(), c.answers.end());
    const CommandContext context{dialogs, Language::English, NumberLocale{".", ","}, ""};

    EXPECT_EQ(CheckPattern(form, context), c.outcome);

    ASSERT_EQ(dialogs.messages.size(), c.messages.size());
    for (std::size_t m = 0; m < c.messages.size(); ++m) {
        ExpectMessage(dialogs.messages[m], c.messages[m]);
    }
    EXPECT_EQ(form.WriteGateOpen(), c.gateOpen);
    EXPECT_EQ(form.InputFieldsLocked(), c.locked);
    EXPECT_EQ(Directions(form), c.directions);
    EXPECT_EQ(dialogs.beeps, 0);
}

const Message kSpreadQuestion{
    "The Distance Between Point 3 and a Line Between Points 1 and 2 is Too NarrowContinue Anyway?",
    "Insufficient Spread", Buttons::YesNoCancel, Icon::None, Answer::Yes};

constexpr Seats kNarrow = {Seat{"0", "0", "0", "0", "0", "1"}, Seat{"100", "0", "0", "0", "0", "1"},
                           Seat{"0", "50", "0", "0", "0", "1"}};

INSTANTIATE_TEST_SUITE_P(
    Rows, CheckPatternOutcome,
    testing::Values(
        CheckCase{"PassOpensTheGateWithoutAMessage",
                  kGood,
                  "6",
                  "Bracket",
                  {},
                  CheckOutcome::Passed,
                  {},
                  true,
                  true,
                  kUp},
        CheckCase{"DirectionsAreRewrittenAsUnitVectorsWithFiveDecimals",
                  {Seat{"0", "0", "0", "0", "0", "5"}, Seat{"100", "0", "0", "1", "1", "0"},
                   Seat{"30", "80", "0", "0", "0", "2"}},
                  "6",
                  "Bracket",
                  {},
                  CheckOutcome::Passed,
                  {},
                  true,
                  true,
                  {"0.00000", "0.00000", "1.00000", "0.70711", "0.70711", "0.00000", "0.00000",
                   "0.00000", "1.00000"}},
        CheckCase{"BlankPartNameStopsBeforeAnyNumberIsRead",
                  {Seat{"-", "0", "0", "0", "0", "0"}, kGood[1], kGood[2]},
                  "6",
                  "",
                  {},
                  CheckOutcome::BlankField,
                  {CriticalOk("All Text Boxes Must be Filled In", "Insufficient Data!")},
                  false,
                  false,
                  {"0", "0", "0", "0", "0", "1", "0", "0", "1"}},
        CheckCase{"BlankProbeDiameterFails",
                  kGood,
                  "",
                  "Bracket",
                  {},
                  CheckOutcome::BlankField,
                  {CriticalOk("All Text Boxes Must be Filled In", "Insufficient Data!")},
                  false,
                  false,
                  {"0", "0", "1", "0", "0", "1", "0", "0", "1"}},
        CheckCase{"BlankSeatFieldFails",
                  {kGood[0], Seat{"100", "", "0", "0", "0", "1"}, kGood[2]},
                  "6",
                  "Bracket",
                  {},
                  CheckOutcome::BlankField,
                  {CriticalOk("All Text Boxes Must be Filled In", "Insufficient Data!")},
                  false,
                  false,
                  {"0", "0", "1", "0", "0", "1", "0", "0", "1"}},
        CheckCase{"NameOfBlanksIsNotEmpty",
                  kGood,
                  "6",
                  "   ",
                  {},
                  CheckOutcome::Passed,
                  {},
                  true,
                  true,
                  kUp},
        CheckCase{"StartupZerosStopAtSeatOne",
                  {Seat{"0.0000", "0.0000", "0.0000", "0.0000", "0.0000", "0.0000"},
                   Seat{"0.0000", "0.0000", "0.0000", "0.0000", "0.0000", "0.0000"},
                   Seat{"0.0000", "0.0000", "0.0000", "0.0000", "0.0000", "0.0000"}},
                  "6",
                  "Bracket",
                  {},
                  CheckOutcome::SeatOneNotAVector,
                  {Message{"The Vector of Point One is Not a Vector", "", Buttons::Ok,
                           Icon::Information, Answer::Ok}},
                  false,
                  false,
                  {"0.0000", "0.0000", "0.0000", "0.0000", "0.0000", "0.0000", "0.0000", "0.0000",
                   "0.0000"}},
        CheckCase{
            "SeatTwoZeroAfterSeatOneWasRewritten",
            {Seat{"0", "0", "0", "0", "0", "2"}, Seat{"100", "0", "0", "0", "0", "0"}, kGood[2]},
            "6",
            "Bracket",
            {},
            CheckOutcome::SeatTwoNotAVector,
            {Message{"The Vector of Point Two is Not a Vector", "", Buttons::Ok, Icon::Information,
                     Answer::Ok}},
            false,
            false,
            {"0.00000", "0.00000", "1.00000", "0", "0", "0", "0", "0", "1"}},
        CheckCase{
            "SeatThreeZeroAfterSeatsOneAndTwoWereRewritten",
            {kGood[0], kGood[1], Seat{"30", "80", "0", "0", "-0", "0"}},
            "6",
            "Bracket",
            {},
            CheckOutcome::SeatThreeNotAVector,
            {Message{"The Vector of Point Three is Not a Vector", "", Buttons::Ok,
                     Icon::Information, Answer::Ok}},
            false,
            false,
            {"0.00000", "0.00000", "1.00000", "0.00000", "0.00000", "1.00000", "0", "-0", "0"}},
        CheckCase{"EqualLengthsFailTheLengthCheck",
                  {kGood[0], kGood[1], Seat{"50", "86.6025", "0", "0", "0", "1"}},
                  "6",
                  "Bracket",
                  {},
                  CheckOutcome::LengthsTooAlike,
                  {CriticalOk("The Length Between Points 1-2, and Points 2-3 Need to be Different",
                              "Length Check")},
                  false,
                  false,
                  kUp},
        CheckCase{"DownwardDirectionsAreNotRightHand",
                  {Seat{"0", "0", "0", "0", "0", "-1"}, Seat{"100", "0", "0", "0", "0", "-1"},
                   Seat{"30", "80", "0", "0", "0", "-1"}},
                  "6",
                  "Bracket",
                  {},
                  CheckOutcome::NotRightHand,
                  {CriticalOk("Pattern MUST be Right Hand Rotation",
                              "Pattern is NOT Right Hand Rotation")},
                  false,
                  false,
                  {"0.00000", "0.00000", "-1.00000", "0.00000", "0.00000", "-1.00000", "0.00000",
                   "0.00000", "-1.00000"}},
        CheckCase{"NarrowSpreadAnsweredYesPassesAndUnlocks",
                  kNarrow,
                  "6",
                  "Bracket",
                  {Answer::Yes},
                  CheckOutcome::PassedWithWarning,
                  {kSpreadQuestion},
                  true,
                  false,
                  kUp},
        CheckCase{"NarrowSpreadAnsweredNoFails",
                  kNarrow,
                  "6",
                  "Bracket",
                  {Answer::No},
                  CheckOutcome::SpreadDeclined,
                  {kSpreadQuestion},
                  false,
                  false,
                  kUp},
        CheckCase{"NarrowSpreadCancelledFails",
                  kNarrow,
                  "6",
                  "Bracket",
                  {Answer::Cancel},
                  CheckOutcome::SpreadDeclined,
                  {kSpreadQuestion},
                  false,
                  false,
                  kUp},
        CheckCase{"LoneMinusInAPositionIsRefusedByName",
                  {kGood[0], Seat{"100", "-", "0", "0", "0", "1"}, kGood[2]},
                  "6",
                  "Bracket",
                  {},
                  CheckOutcome::NotANumber,
                  {CriticalOk("The entry for Point 2 Y is not a number:\r\n\"-\"\r\nCorrect it and "
                              "try again.",
                              "Invalid Number")},
                  false,
                  false,
                  {"0", "0", "1", "0", "0", "1", "0", "0", "1"}},
        CheckCase{"BadDirectionIsRefusedAfterEarlierSeatsWereRewritten",
                  {kGood[0], Seat{"100", "0", "0", "0", "1-2", "1"}, kGood[2]},
                  "6",
                  "Bracket",
                  {},
                  CheckOutcome::NotANumber,
                  {CriticalOk("The entry for Point 2 J is not a number:\r\n\"1-2\"\r\nCorrect it "
                              "and try again.",
                              "Invalid Number")},
                  false,
                  false,
                  {"0.00000", "0.00000", "1.00000", "0", "1-2", "1", "0", "0", "1"}}),
    CaseName);

class CheckPatternTest : public testing::Test {
  protected:
    testing_support::RecordingDialogs dialogs;
    FormModel form{dialogs};
    CommandContext context{dialogs, Language::English, NumberLocale{".", ","}, ""};
};

TEST_F(CheckPatternTest, RunningAgainOnTheRewrittenFieldsGivesTheSameResult) {
    Fill(form, {Seat{"0", "0", "0", "0", "0", "5"}, Seat{"100", "0", "0", "1", "1", "0"},
                Seat{"30", "80", "0", "0", "0", "2"}});
    ASSERT_EQ(CheckPattern(form, context), CheckOutcome::Passed);
    const auto first = Directions(form);
    EXPECT_EQ(CheckPattern(form, context), CheckOutcome::Passed);
    EXPECT_EQ(Directions(form), first);
    EXPECT_TRUE(form.WriteGateOpen());
}

TEST_F(CheckPatternTest, CallerMayLeaveProbeDiameterAndNameOutOfTheBlankTest) {
    Fill(form, kGood, "", "");
    EXPECT_EQ(CheckPattern(form, context, SeatFields()), CheckOutcome::Passed);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CheckPatternTest, CommaLocaleReadsAndRewritesWithComma) {
    context.locale = NumberLocale{",", "."};
    Fill(form, {Seat{"0", "0", "0", "0", "0", "1"}, Seat{"100,0", "0", "0", "1", "1", "0"},
                Seat{"30,5", "80", "0", "0", "0", "1"}});
    EXPECT_EQ(CheckPattern(form, context), CheckOutcome::Passed);
    EXPECT_EQ(form.Text(Field::I2), "0,70711");
    EXPECT_EQ(form.Text(Field::K2), "0,00000");
}

TEST_F(CheckPatternTest, GermanSpreadQuestionRunsVerdictIntoQuestion) {
    context.language = Language::German;
    Fill(form, kNarrow);
    dialogs.answers = {Answer::No};
    CheckPattern(form, context);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt,
              "Die Distanz zwischen Punkt 3 und einer Linie aus Punkt 1 und 2 ist zu "
              "geringWollen Sie fortfahren?");
    EXPECT_EQ(dialogs.messages[0].title, "Ungenügender Abstand");
}

TEST_F(CheckPatternTest, GermanEntryErrorNamesTheFieldInGerman) {
    context.language = Language::German;
    Fill(form, {kGood[0], kGood[1], Seat{"30", "80", "0", "0", "0", "--"}});
    EXPECT_EQ(CheckPattern(form, context), CheckOutcome::NotANumber);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt,
              "Die Eingabe für Punkt 3 K ist keine Zahl:\r\n\"--\"\r\nBitte korrigieren Sie die "
              "Eingabe.");
    EXPECT_EQ(dialogs.messages[0].title, "Ungültige Zahl");
}

}  // namespace
}  // namespace zarvek
