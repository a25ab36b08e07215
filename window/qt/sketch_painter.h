#pragma once

#include <QPainter>
#include <QPalette>
#include <QRectF>

#include "common/number_text.h"
#include "pattern/pattern_sketch.h"
#include "strings/string_table.h"

namespace zarvek {

// Paints `sketch` into `area` with `painter`'s font: a caption naming the view on top, the verdict
// of the checks at the bottom (the first message Check Pattern would show, or that the seats pass),
// and between them, scaled to fit with room for its labels, the triangle of the three seats: each
// side labelled with its length ("118.160 mm", numbers in `locale`), each seat with "1", "2",
// "3", an arrow around the middle turning 1 -> 2 -> 3, and for each side the band on the side of
// the opposite seat within which that seat would be too close. Sides that are too alike, a turn
// that fails the rotation check and a seat too close, with its band, are drawn in the warning
// colour. A sketch with a hint shows only the hint. Texts come from the string table in
// `language`. Paints something sensible for every sketch; never throws.
void PaintSketch(QPainter& painter, const QRectF& area, const PatternSketch& sketch,
                 Language language, const NumberLocale& locale, const QPalette& palette);

// The warning colour of the drawing.
QColor SketchWarningColour();

}  // namespace zarvek
