#pragma once

#include "common/number_text.h"
#include "form/form_model.h"
#include "pattern/pattern_sketch.h"

namespace zarvek {

// The eighteen seat texts of the form as the drawing takes them: seat by seat, X, Y, Z, I, J, K.
SeatTexts SeatTextsOf(const FormModel& form);

// The drawing of the pattern the form holds now, its numbers read by `locale` as Check Pattern
// reads them. Never throws, never shows anything.
PatternSketch SketchForm(const FormModel& form, const NumberLocale& locale);

// Whether a change of `field` can change the drawing (the eighteen seat fields can; the part
// name and the probe diameter cannot).
bool ChangesTheSketch(Field field);

}  // namespace zarvek
