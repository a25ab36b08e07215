#include "form/check_pattern.h"

#include <array>
#include <exception>
#include <optional>

#include "common/number_text.h"
#include "form/command_messages.h"
#include "form/read_fields.h"
#include "geometry/operations.h"
#include "pattern/checks.h"
#include "strings/string_ids.h"

namespace zarvek {
namespace {

constexpr std::array kNotAVectorMessages = {kVectorOneNotAVector, kVectorTwoNotAVector,
                                            kVectorThreeNotAVector};
constexpr std::array kNotAVectorOutcomes = {CheckOutcome::SeatOneNotAVector,
                                            CheckOutcome::SeatTwoNotAVector,
                                            CheckOutcome::SeatThreeNotAVector};

std::string Text(const CommandContext& context, int id) {
    return LookupString(id, context.language);
}

// `correct`: the field the refusal names, where the operator goes on.
CheckOutcome Fail(FormModel& form, CheckOutcome outcome, std::optional<Field> correct = {}) {
    form.DisableWriteCommands(true);
    form.LockInputFields(false);
    if (correct) {
        form.FocusForCorrection(*correct);
    }
    return outcome;
}

// The direction fields of `seat` rewritten as the unit vector, five decimals each.
void WriteDirection(FormModel& form, int seat, const Vector& unit, const NumberLocale& locale) {
    form.SetText(SeatField(Axis::I, seat), FormatPattern(unit.iValue, 5, locale));
    form.SetText(SeatField(Axis::J, seat), FormatPattern(unit.jValue, 5, locale));
    form.SetText(SeatField(Axis::K, seat), FormatPattern(unit.kValue, 5, locale));
}

CheckOutcome RunChecks(FormModel& form, const CommandContext& context,
                       std::span<const Field> blankTestFields) {
    for (const Field field : blankTestFields) {
        if (form.Text(field).empty()) {
            ShowOkMessage(context, Text(context, kAllTextBoxesMustBeFilled),
                          Text(context, kInsufficientDataTitle), Icon::Critical,
                          kAllTextBoxesMustBeFilled);
            return Fail(form, CheckOutcome::BlankField, field);
        }
    }

    const std::array<Point, 3> points = {ReadPosition(form, 0, context.locale),
                                         ReadPosition(form, 1, context.locale),
                                         ReadPosition(form, 2, context.locale)};

    // Seat k's direction is written back before seat k + 1 is read.
    std::array<Vector, 3> units{};
    for (int seat = 0; seat < 3; ++seat) {
        const auto index = static_cast<std::size_t>(seat);
        const std::optional<Vector> unit = Unitize(ReadDirection(form, seat, context.locale));
        if (!unit) {
            ShowOkMessage(context, Text(context, kNotAVectorMessages[index]), "", Icon::Information,
                          kNotAVectorMessages[index]);
            return Fail(form, kNotAVectorOutcomes[index], SeatField(Axis::I, seat));
        }
        WriteDirection(form, seat, *unit, context.locale);
        units[index] = *unit;
    }

    const StringId lengths = CheckLengths(points[0], points[1], points[2]);
    if (lengths != kLengthsAreGood) {
        ShowOkMessage(context, Text(context, lengths), Text(context, kLengthCheckTitle),
                      Icon::Critical, lengths);
        return Fail(form, CheckOutcome::LengthsTooAlike);
    }

    // The rotation uses the unit vectors at full precision, not the rounded field texts.
    if (!CheckRotation(points[0], points[1], points[2], units[0], units[1], units[2],
                       context.dialogs)) {
        ShowOkMessage(context, Text(context, kMustBeRightHand), Text(context, kNotRightHandTitle),
                      Icon::Critical, kMustBeRightHand);
        return Fail(form, CheckOutcome::NotRightHand);
    }

    const StringId spread = CheckSpread(points[0], points[1], points[2], context.dialogs);
    if (spread != kSpreadIsOk) {
        // The verdict runs straight into the question, with nothing between them.
        const Answer answer =
            context.dialogs.Ask(Message{Text(context, spread) + Text(context, kContinueAnyway),
                                        Text(context, kInsufficientSpreadTitle),
                                        Buttons::YesNoCancel, Icon::None, Answer::Yes, spread});
        if (answer != Answer::Yes) {
            return Fail(form, CheckOutcome::SpreadDeclined);
        }
        form.DisableWriteCommands(false);
        form.LockInputFields(false);
        return CheckOutcome::PassedWithWarning;
    }

    form.DisableWriteCommands(false);
    return CheckOutcome::Passed;
}

}  // namespace

bool IsPass(CheckOutcome outcome) {
    return outcome == CheckOutcome::Passed || outcome == CheckOutcome::PassedWithWarning;
}

CheckOutcome CheckPattern(FormModel& form, const CommandContext& context,
                          std::span<const Field> blankTestFields) {
    try {
        return RunChecks(form, context, blankTestFields);
    } catch (const FieldNumberError& error) {
        ShowEntryError(context, error);
        return Fail(form, CheckOutcome::NotANumber, error.field());
    } catch (const std::exception& error) {
        ShowCommandError(context, error);
        return Fail(form, CheckOutcome::Failed);
    }
}

}  // namespace zarvek
