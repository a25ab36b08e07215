#pragma once

#include <QWidget>

#include "common/number_text.h"
#include "pattern/pattern_sketch.h"
#include "pattern/sketch_scene.h"
#include "strings/string_table.h"

namespace zarvek {

// The live drawing of the typed pattern beside the seat grid (picPattern): lays out the
// PatternSketch it is given as a scene of its own size and font (pattern/sketch_layout.h) and
// paints that. It never asks, never shows a dialog and never takes the keyboard focus, so the
// form's focus order is that of its fields and buttons.
class PatternDrawing final : public QWidget {
  public:
    explicit PatternDrawing(QWidget* parent);

    // The language of its texts and how its lengths are written; English and "." until set.
    void SetTextStyle(Language language, NumberLocale locale);

    // Replaces the drawing; repainted at the next paint.
    void ShowSketch(PatternSketch sketch);
    const PatternSketch& sketch() const { return sketch_; }

    // What it paints now: the sketch laid out in its size, font and palette.
    SketchScene Scene() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PatternSketch sketch_;
    Language language_ = Language::English;
    NumberLocale locale_;
};

}  // namespace zarvek
