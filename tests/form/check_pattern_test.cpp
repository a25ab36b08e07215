#include "form/check_pattern.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "strings/string_table.h"
#include "strings/window_string_ids.h"
#include "support/form_typing.h"
#include "support/recording_dialogs.h"

namespace zarvek {
namespace {

using testing_support::TypePart;
using testing_support::Words;

constexpr const char* kGood = testing_support::kPassingSeats;
constexpr const char* kNarrow = "0 0 0 0 0 1  100 0 0 0 0 1  0 50 0 0 0 1";

std::vector<std::string> Directions(const FormModel& form) {
    std::vector<std::string> texts;
    for (int s = 0; s < 3; ++s) {
        for (int a = 3; a < 6; ++a) {
            texts.push_back(form.Text(SeatField(static_cast<Axis>(a), s)));
        }
    }
    return texts;
}

Message CriticalOk(std::string prompt, std::string title, int id) {
    return Message{std::move(prompt), std::move(title), Buttons::Ok,
                   Icon::Critical,    Answer::Ok,       id};
}

Message Information(std::string prompt, int id) {
    return Message{std::move(prompt), "", Buttons::Ok, Icon::Information, Answer::Ok, id};
}

const Message kBlank =
    CriticalOk("All Text Boxes Must be Filled In", "Insufficient Data!", kAllTextBoxesMustBeFilled);
const Message kSpreadQuestion{
    "The Distance Between Point 3 and a Line Between Points 1 and 2 is Too NarrowContinue Anyway?",
    "Insufficient Spread",
    Buttons::YesNoCancel,
    Icon::None,
    Answer::Yes,
    kSpreadPoint3};

Message NotANumber(const char* field, const char* text) {
    return CriticalOk(std::string("The entry for Point ") + field + " is not a number:\r\n\"" +
                          text + "\"\r\nCorrect it and try again.",
                      "Invalid Number", kFieldNotANumber);
}

struct CheckRow {
    const char* name;
    const char* seats;
    const char* probe;
    const char* partName;
    std::vector<Answer> answers;
    CheckOutcome outcome;
    std::vector<Message> messages;
    const char* directions;  // the nine direction fields afterwards
};

constexpr const char* kUp =
    "0.00000 0.00000 1.00000  0.00000 0.00000 1.00000  0.00000 0.00000 1.00000";
constexpr const char* kTyped = "0 0 1  0 0 1  0 0 1";

// clang-format off
const CheckRow kCheckRows[] = {
    {"PassOpensTheGateWithoutAMessage", kGood, "6", "Bracket", {}, CheckOutcome::Passed, {}, kUp},
    {"DirectionsAreRewrittenAsUnitVectorsWithFiveDecimals", "0 0 0 0 0 5  100 0 0 1 1 0  30 80 0 0 0 2", "6", "Bracket", {}, CheckOutcome::Passed, {}, "0.00000 0.00000 1.00000  0.70711 0.70711 0.00000  0.00000 0.00000 1.00000"},
    {"BlankPartNameStopsBeforeAnyNumberIsRead", "- 0 0 0 0 0  100 0 0 0 0 1  30 80 0 0 0 1", "6", "", {}, CheckOutcome::BlankField, {kBlank}, "0 0 0  0 0 1  0 0 1"},
    {"BlankProbeDiameterFails", kGood, "", "Bracket", {}, CheckOutcome::BlankField, {kBlank}, kTyped},
    {"BlankSeatFieldFails", "0 0 0 0 0 1  100 '' 0 0 0 1  30 80 0 0 0 1", "6", "Bracket", {}, CheckOutcome::BlankField, {kBlank}, kTyped},
    {"NameOfBlanksIsNotEmpty", kGood, "6", "   ", {}, CheckOutcome::Passed, {}, kUp},
    {"StartupZerosStopAtSeatOne", "0.0000 0.0000 0.0000 0.0000 0.0000 0.0000  0.0000 0.0000 0.0000 0.0000 0.0000 0.0000  0.0000 0.0000 0.0000 0.0000 0.0000 0.0000", "6", "Bracket", {}, CheckOutcome::SeatOneNotAVector, {Information("The Vector of Point One is Not a Vector", kVectorOneNotAVector)}, "0.0000 0.0000 0.0000  0.0000 0.0000 0.0000  0.0000 0.0000 0.0000"},
    {"SeatTwoZeroAfterSeatOneWasRewritten", "0 0 0 0 0 2  100 0 0 0 0 0  30 80 0 0 0 1", "6", "Bracket", {}, CheckOutcome::SeatTwoNotAVector, {Information("The Vector of Point Two is Not a Vector", kVectorTwoNotAVector)}, "0.00000 0.00000 1.00000  0 0 0  0 0 1"},
    {"SeatThreeZeroAfterSeatsOneAndTwoWereRewritten", "0 0 0 0 0 1  100 0 0 0 0 1  30 80 0 0 -0 0", "6", "Bracket", {}, CheckOutcome::SeatThreeNotAVector, {Information("The Vector of Point Three is Not a Vector", kVectorThreeNotAVector)}, "0.00000 0.00000 1.00000  0.00000 0.00000 1.00000  0 -0 0"},
    {"EqualLengthsFailTheLengthCheck", "0 0 0 0 0 1  100 0 0 0 0 1  50 86.6025 0 0 0 1", "6", "Bracket", {}, CheckOutcome::LengthsTooAlike, {CriticalOk("The Length Between Points 1-2, and Points 2-3 Need to be Different", "Length Check", kLengths12And23)}, kUp},
    {"DownwardDirectionsAreNotRightHand", "0 0 0 0 0 -1  100 0 0 0 0 -1  30 80 0 0 0 -1", "6", "Bracket", {}, CheckOutcome::NotRightHand, {CriticalOk("Pattern MUST be Right Hand Rotation", "Pattern is NOT Right Hand Rotation", kMustBeRightHand)}, "0.00000 0.00000 -1.00000  0.00000 0.00000 -1.00000  0.00000 0.00000 -1.00000"},
    {"NarrowSpreadAnsweredYesPassesAndUnlocks", kNarrow, "6", "Bracket", {Answer::Yes}, CheckOutcome::PassedWithWarning, {kSpreadQuestion}, kUp},
    {"NarrowSpreadAnsweredNoFails", kNarrow, "6", "Bracket", {Answer::No}, CheckOutcome::SpreadDeclined, {kSpreadQuestion}, kUp},
    {"NarrowSpreadCancelledFails", kNarrow, "6", "Bracket", {Answer::Cancel}, CheckOutcome::SpreadDeclined, {kSpreadQuestion}, kUp},
    {"LoneMinusInAPositionIsRefusedByName", "0 0 0 0 0 1  100 - 0 0 0 1  30 80 0 0 0 1", "6", "Bracket", {}, CheckOutcome::NotANumber, {NotANumber("2 Y", "-")}, kTyped},
    {"BadDirectionIsRefusedAfterEarlierSeatsWereRewritten", "0 0 0 0 0 1  100 0 0 0 1-2 1  30 80 0 0 0 1", "6", "Bracket", {}, CheckOutcome::NotANumber, {NotANumber("2 J", "1-2")}, "0.00000 0.00000 1.00000  0 1-2 1  0 0 1"},
};
// clang-format on

// Each row: its one message exactly, the direction fields, and the gate and lock it leaves. The
// gate opens on a pass, with or without a warning; the fields start locked, and every failure and
// warning unlocks them, a clean pass does not.
TEST(CheckPattern, EndsAsTheTableSays) {
    for (const CheckRow& row : kCheckRows) {
        SCOPED_TRACE(row.name);
        testing_support::RecordingDialogs dialogs;
        FormModel form(dialogs);
        TypePart(form, row.seats, row.probe, row.partName);
        const bool passes = IsPass(row.outcome);
        form.LockInputFields(true);
        form.DisableWriteCommands(passes);  // the opposite of the expected end
        dialogs.answers.assign(row.answers.begin(), row.answers.end());
        const CommandContext context{dialogs, Language::English, NumberLocale{".", ","}, ""};

        EXPECT_EQ(CheckPattern(form, context), row.outcome);
        EXPECT_EQ(dialogs.messages, row.messages);
        EXPECT_EQ(form.WriteGateOpen(), passes);
        EXPECT_EQ(form.InputFieldsLocked(), row.outcome == CheckOutcome::Passed);
        EXPECT_EQ(Directions(form), Words(row.directions));
        EXPECT_EQ(dialogs.beeps, 0);
    }
}

class CheckPatternTest : public testing::Test {
  protected:
    testing_support::RecordingDialogs dialogs;
    FormModel form{dialogs};
    CommandContext context{dialogs, Language::English, NumberLocale{".", ","}, ""};
};

TEST_F(CheckPatternTest, RunningAgainOnTheRewrittenFieldsGivesTheSameResult) {
    TypePart(form, "0 0 0 0 0 5  100 0 0 1 1 0  30 80 0 0 0 2");
    ASSERT_EQ(CheckPattern(form, context), CheckOutcome::Passed);
    const auto first = Directions(form);
    EXPECT_EQ(CheckPattern(form, context), CheckOutcome::Passed);
    EXPECT_EQ(Directions(form), first);
    EXPECT_TRUE(form.WriteGateOpen());
}

TEST_F(CheckPatternTest, CallerMayLeaveProbeDiameterAndNameOutOfTheBlankTest) {
    TypePart(form, kGood, "", "");
    EXPECT_EQ(CheckPattern(form, context, SeatFields()), CheckOutcome::Passed);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(CheckPatternTest, CommaLocaleReadsAndRewritesWithComma) {
    context.locale = NumberLocale{",", "."};
    TypePart(form, "0 0 0 0 0 1  100,0 0 0 1 1 0  30,5 80 0 0 0 1");
    EXPECT_EQ(CheckPattern(form, context), CheckOutcome::Passed);
    EXPECT_EQ(form.Text(Field::I2), "0,70711");
    EXPECT_EQ(form.Text(Field::K2), "0,00000");
}

TEST_F(CheckPatternTest, GermanSpreadQuestionRunsVerdictIntoQuestion) {
    context.language = Language::German;
    TypePart(form, kNarrow);
    dialogs.answers = {Answer::No};
    CheckPattern(form, context);
    const Message question{
        "Die Distanz zwischen Punkt 3 und einer Linie aus Punkt 1 und 2 ist zu geringWollen Sie "
        "fortfahren?",
        "Ungenügender Abstand",
        Buttons::YesNoCancel,
        Icon::None,
        Answer::Yes,
        kSpreadPoint3};
    EXPECT_EQ(dialogs.messages, std::vector<Message>{question});
}

TEST_F(CheckPatternTest, GermanEntryErrorNamesTheFieldInGerman) {
    context.language = Language::German;
    TypePart(form, "0 0 0 0 0 1  100 0 0 0 0 1  30 80 0 0 0 --");
    EXPECT_EQ(CheckPattern(form, context), CheckOutcome::NotANumber);
    const Message refusal = CriticalOk(
        "Die Eingabe für Punkt 3 K ist keine Zahl:\r\n\"--\"\r\nBitte korrigieren Sie die Eingabe.",
        "Ungültige Zahl", kFieldNotANumber);
    EXPECT_EQ(dialogs.messages, std::vector<Message>{refusal});
}

}  // namespace
}  // namespace zarvek
