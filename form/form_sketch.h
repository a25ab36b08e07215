#pragma once

#include "common/number_text.h"
#include "form/form_model.h"
#include "pattern/pattern_sketch.h"
#include "pattern/sketch_layout.h"
#include "strings/string_table.h"

namespace zarvek {

// The eighteen seat texts of the form as the drawing takes them: seat by seat, X, Y, Z, I, J, K.
SeatTexts SeatTextsOf(const FormModel& form);

// The drawing of the pattern the form holds now, its numbers read by `locale` as Check Pattern
// reads them (a text holding the digit-group separator is no number). While every seat field is
// blank or zero, as the form starts, the hint asks for the seats (kSketchHintTypeSeats) instead
// of a verdict. Never throws, never shows anything.
PatternSketch SketchForm(const FormModel& form, const NumberLocale& locale);

// The texts of the drawing of `sketch` in `language`, its lengths with three decimals in `locale`
// ("118.160 mm"); the verdict is the text of the first failure, or that the seats pass.
SketchTexts SketchTextsOf(const PatternSketch& sketch, Language language,
                          const NumberLocale& locale);

// Whether a change of `field` can change the drawing (the eighteen seat fields can; the part
// name and the probe diameter cannot).
bool ChangesTheSketch(Field field);

}  // namespace zarvek
