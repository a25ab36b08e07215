#include "form/form_sketch.h"

#include "common/errors.h"
#include "form/locale_separators.h"
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

namespace {

// No seat field holds anything but blanks and zeros: the start-up texts, or nothing typed yet.
bool NothingTyped(const SeatTexts& texts, const NumberLocale& locale) {
    for (const auto& seat : texts) {
        for (const std::string& text : seat) {
            try {
                if (!text.empty() && ParseLocaleNumber(text, locale) != 0.0) {
                    return false;
                }
            } catch (const NumberFormatError&) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

PatternSketch SketchForm(const FormModel& form, const NumberLocale& locale) {
    // Read as Check Pattern reads them: a digit-group separator makes a text no number.
    const NumberLocale entry = WithoutGrouping(locale);
    const SeatTexts texts = SeatTextsOf(form);
    PatternSketch sketch = SketchPattern(texts, entry);
    if (NothingTyped(texts, entry)) {
        // Zero directions everywhere are no verdict on an empty form.
        sketch.hint = kSketchHintTypeSeats;
    }
    return sketch;
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
