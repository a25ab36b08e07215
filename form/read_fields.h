#pragma once

#include <string>
#include <utility>

#include "common/errors.h"
#include "common/number_text.h"
#include "form/fields.h"
#include "form/form_model.h"
#include "geometry/point.h"
#include "geometry/vector.h"

namespace zarvek {

// A field whose text a command cannot take as a number.
class FieldNumberError : public NumberFormatError {
  public:
    enum class Reason {
        NotANumber,
        // The text holds the locale's digit-group separator. Skipped, it would change the value
        // unseen ("6.35" would be 635 mm where "." groups digits), so no field takes it.
        GroupSeparator,
    };

    FieldNumberError(Field field, std::string text, Reason reason, const std::string& message)
        : NumberFormatError(message), field_(field), text_(std::move(text)), reason_(reason) {}

    Field field() const { return field_; }
    const std::string& text() const { return text_; }
    Reason reason() const { return reason_; }

  private:
    Field field_;
    std::string text_;
    Reason reason_;
};

// The number in a seat field, read by `locale`. Throws FieldNumberError when it is not a number or
// holds the locale's digit-group separator.
double ReadSeatNumber(const FormModel& form, Field field, const NumberLocale& locale);

// The position (X, Y, Z) or direction (I, J, K) of seat 0, 1 or 2, read in the order X, Y, Z or
// I, J, K. Throws FieldNumberError for the first field that is not a number.
Point ReadPosition(const FormModel& form, int seat, const NumberLocale& locale);
Vector ReadDirection(const FormModel& form, int seat, const NumberLocale& locale);

// The probe diameter in single precision, read by `locale`. Throws FieldNumberError when it is not
// a number or holds the locale's digit-group separator.
float ReadProbeDiameter(const FormModel& form, const NumberLocale& locale);

// The three seats as Make and Add take them: positions point by point, then directions seat by
// seat, exactly as the fields hold them (not normalised).
struct SeatEntries {
    Point P1, P2, P3;
    Vector V1, V2, V3;
};
SeatEntries ReadSeats(const FormModel& form, const NumberLocale& locale);

}  // namespace zarvek
