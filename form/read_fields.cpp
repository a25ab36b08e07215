#include "form/read_fields.h"

#include "form/locale_separators.h"

namespace zarvek {
namespace {

void RefuseGroupSeparator(Field field, const std::string& text, const NumberLocale& locale) {
    if (HoldsGroupSeparator(text, locale)) {
        throw FieldNumberError(field, text, FieldNumberError::Reason::GroupSeparator,
                               ControlName(field) + ": \"" + text +
                                   "\" holds the digit-group separator \"" + locale.groupSeparator +
                                   "\".");
    }
}

}  // namespace

double ReadSeatNumber(const FormModel& form, Field field, const NumberLocale& locale) {
    const std::string& text = form.Text(field);
    RefuseGroupSeparator(field, text, locale);
    try {
        return ParseLocaleNumber(text, locale);
    } catch (const NumberFormatError& error) {
        throw FieldNumberError(field, text, FieldNumberError::Reason::NotANumber,
                               ControlName(field) + ": " + error.what());
    }
}

Point ReadPosition(const FormModel& form, int seat, const NumberLocale& locale) {
    Point p;
    p.XValue = ReadSeatNumber(form, SeatField(Axis::X, seat), locale);
    p.YValue = ReadSeatNumber(form, SeatField(Axis::Y, seat), locale);
    p.ZValue = ReadSeatNumber(form, SeatField(Axis::Z, seat), locale);
    return p;
}

Vector ReadDirection(const FormModel& form, int seat, const NumberLocale& locale) {
    Vector v;
    v.iValue = ReadSeatNumber(form, SeatField(Axis::I, seat), locale);
    v.jValue = ReadSeatNumber(form, SeatField(Axis::J, seat), locale);
    v.kValue = ReadSeatNumber(form, SeatField(Axis::K, seat), locale);
    return v;
}

float ReadProbeDiameter(const FormModel& form, const NumberLocale& locale) {
    const std::string& text = form.Text(Field::ProbeDiameter);
    RefuseGroupSeparator(Field::ProbeDiameter, text, locale);
    try {
        return ParseLocaleSingle(text, locale);
    } catch (const NumberFormatError& error) {
        throw FieldNumberError(Field::ProbeDiameter, text, FieldNumberError::Reason::NotANumber,
                               std::string("txtProbeDia: ") + error.what());
    }
}

SeatEntries ReadSeats(const FormModel& form, const NumberLocale& locale) {
    SeatEntries seats;
    seats.P1 = ReadPosition(form, 0, locale);
    seats.P2 = ReadPosition(form, 1, locale);
    seats.P3 = ReadPosition(form, 2, locale);
    seats.V1 = ReadDirection(form, 0, locale);
    seats.V2 = ReadDirection(form, 1, locale);
    seats.V3 = ReadDirection(form, 2, locale);
    return seats;
}

}  // namespace zarvek
