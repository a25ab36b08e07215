#include "window/qt/pattern_drawing.h"

#include <QPainter>
#include <utility>

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

void PatternDrawing::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintSketch(painter, QRectF(rect()), sketch_, language_, locale_, palette());
}

}  // namespace zarvek
