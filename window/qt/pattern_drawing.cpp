#include "window/qt/pattern_drawing.h"

#include <QPainter>
#include <utility>

#include "form/form_sketch.h"
#include "window/qt/sketch_painter.h"

namespace zarvek {

PatternDrawing::PatternDrawing(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    sketch_.hint = kSketchHintTypeSeats;
}

void PatternDrawing::SetTextStyle(Language language, NumberLocale locale) {
    language_ = language;
    locale_ = std::move(locale);
    update();
}

void PatternDrawing::ShowSketch(PatternSketch sketch) {
    sketch_ = std::move(sketch);
    update();
}

QSize PatternDrawing::sizeHint() const {
    return {380, 320};
}

QSize PatternDrawing::minimumSizeHint() const {
    return {220, 180};
}

SketchScene PatternDrawing::Scene() const {
    return LayOutSketch(sketch_, SketchTextsOf(sketch_, language_, locale_),
                        SceneSize{static_cast<double>(width()), static_cast<double>(height())},
                        ScenePaletteOf(palette()), MeasureWith(font()));
}

void PatternDrawing::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintScene(painter, Scene(), font());
}

}  // namespace zarvek
