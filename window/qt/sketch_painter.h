#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPalette>

#include "pattern/sketch_layout.h"
#include "pattern/sketch_scene.h"

namespace zarvek {

// Paints `scene` (pattern/sketch_scene.h) with `painter`, its texts in `font`, bold where the scene
// says so. Draws exactly what the scene holds; never throws.
void PaintScene(QPainter& painter, const SketchScene& scene, const QFont& font);

// Measures texts as PaintScene draws them in `font`: each in the weight it is drawn with.
MeasureText MeasureWith(const QFont& font);

// The colours of `palette` the drawing takes from the window.
ScenePalette ScenePaletteOf(const QPalette& palette);

QColor ToQColor(const SceneColour& colour);

}  // namespace zarvek
