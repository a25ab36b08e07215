#include "cli/seat_entry.h"

namespace zarvek::cli {
namespace {

void Type(FormModel& form, Field field, const std::string& text, const NumberLocale& locale) {
    form.EnterField(field);
    form.SetText(field, text);
    form.LeaveField(field, FocusLoss::MovedOn, locale);
}

}  // namespace

void TypeIntoForm(FormModel& form, const Invocation& invocation, bool withNameAndProbe,
                  const NumberLocale& locale) {
    if (withNameAndProbe) {
        Type(form, Field::PartName, invocation.name, locale);
        Type(form, Field::ProbeDiameter, invocation.probe, locale);
    }
    constexpr Axis kAxes[] = {Axis::X, Axis::Y, Axis::Z, Axis::I, Axis::J, Axis::K};
    for (int seat = 0; seat < 3; ++seat) {
        const SeatTexts& texts = invocation.seats[static_cast<std::size_t>(seat)];
        for (std::size_t axis = 0; axis < 6; ++axis) {
            Type(form, SeatField(kAxes[axis], seat), texts[axis], locale);
        }
    }
}

}  // namespace zarvek::cli
