#include "form/form_sketch.h"

namespace zarvek {

SeatTexts SeatTextsOf(const FormModel& form) {
    SeatTexts texts;
    for (int seat = 0; seat < 3; ++seat) {
        for (int axis = 0; axis < 6; ++axis) {
            texts[static_cast<std::size_t>(seat)][static_cast<std::size_t>(axis)] =
                form.Text(SeatField(static_cast<Axis>(axis), seat));
        }
    }
    return texts;
}

PatternSketch SketchForm(const FormModel& form, const NumberLocale& locale) {
    return SketchPattern(SeatTextsOf(form), locale);
}

bool ChangesTheSketch(Field field) {
    return field != Field::PartName && field != Field::ProbeDiameter;
}

}  // namespace zarvek
