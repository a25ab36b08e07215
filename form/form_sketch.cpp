#include "form/form_sketch.h"

#include "strings/drawing_string_ids.h"

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

SketchTexts SketchTextsOf(const PatternSketch& sketch, Language language,
                          const NumberLocale& locale) {
    SketchTexts texts;
    texts.caption = LookupString(kSketchViewCaption, language);
    const int verdict = sketch.firstFailure ? int{*sketch.firstFailure} : int{kSketchSeatsPass};
    texts.verdict = LookupString(verdict, language);
    if (sketch.hint) {
        texts.hint = LookupString(*sketch.hint, language);
    }
    texts.tooLarge = LookupString(kSketchHintTooLarge, language);
    const std::string millimetres = LookupString(kSketchMillimetres, language);
    for (std::size_t s = 0; s < 3; ++s) {
        texts.sideLengths[s] = FormatPattern(sketch.sideLengths[s], 3, locale) + " " + millimetres;
    }
    return texts;
}

bool ChangesTheSketch(Field field) {
    return field != Field::PartName && field != Field::ProbeDiameter;
}

}  // namespace zarvek
