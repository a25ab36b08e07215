#include "window/qt/sketch_painter.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>

namespace zarvek {
namespace {

QPointF ToQt(const ScenePoint& p) {
    return {p.x, p.y};
}

QRectF ToQt(const SceneRect& r) {
    return {r.left, r.top, r.width, r.height};
}

QPen ToQt(const ScenePen& pen) {
    return QPen(ToQColor(pen.colour), pen.width,
                pen.dash == SceneDash::Dashed ? Qt::DashLine : Qt::SolidLine,
                pen.cap == SceneCap::Round ? Qt::RoundCap : Qt::SquareCap);
}

QFont InWeight(QFont font, SceneWeight weight) {
    font.setBold(weight == SceneWeight::Bold);
    return font;
}

SceneColour FromQt(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue()), static_cast<std::uint8_t>(colour.alpha())};
}

// Sets the pen and brush for an outline and a fill, either of which may be absent.
void SetStroke(QPainter& painter, const std::optional<ScenePen>& outline,
               const std::optional<SceneColour>& fill) {
    painter.setPen(outline ? ToQt(*outline) : QPen(Qt::NoPen));
    painter.setBrush(fill ? QBrush(ToQColor(*fill)) : QBrush(Qt::NoBrush));
}

struct ItemPainter {
    QPainter& painter;
    const QFont& font;

    void operator()(const SceneLine& line) const {
        painter.setPen(ToQt(line.pen));
        painter.drawLine(ToQt(line.from), ToQt(line.to));
    }
    void operator()(const SceneArc& arc) const {
        const QRectF circle(arc.centre.x - arc.radius, arc.centre.y - arc.radius, 2 * arc.radius,
                            2 * arc.radius);
        QPainterPath path;
        path.arcMoveTo(circle, arc.startDegrees);
        path.arcTo(circle, arc.startDegrees, arc.sweepDegrees);
        SetStroke(painter, arc.pen, std::nullopt);
        painter.drawPath(path);
    }
    void operator()(const ScenePolygon& polygon) const {
        QPolygonF corners;
        for (const ScenePoint& corner : polygon.corners) {
            corners << ToQt(corner);
        }
        SetStroke(painter, std::nullopt, polygon.fill);
        painter.drawPolygon(corners);
    }
    void operator()(const SceneCircle& circle) const {
        SetStroke(painter, circle.outline, circle.fill);
        painter.drawEllipse(ToQt(circle.centre), circle.radius, circle.radius);
    }
    void operator()(const SceneRoundedRect& rect) const {
        SetStroke(painter, rect.outline, rect.fill);
        painter.drawRoundedRect(ToQt(rect.rect), rect.cornerRadius, rect.cornerRadius);
    }
    void operator()(const SceneText& text) const {
        const int across = text.across == SceneAcross::Left ? Qt::AlignLeft : Qt::AlignHCenter;
        const int down = text.down == SceneDown::Bottom ? Qt::AlignBottom : Qt::AlignVCenter;
        painter.setFont(InWeight(font, text.weight));
        painter.setPen(ToQColor(text.colour));
        painter.drawText(ToQt(text.box), across | down | (text.wrap ? Qt::TextWordWrap : 0),
                         QString::fromStdString(text.text));
    }
};

}  // namespace

void PaintScene(QPainter& painter, const SketchScene& scene, const QFont& font) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const SceneItem& item : scene.items) {
        std::visit(ItemPainter{painter, font}, item.shape);
    }
    painter.restore();
}

MeasureText MeasureWith(const QFont& font) {
    return [font](const std::string& text, SceneWeight weight, double wrapWidth) {
        const QFontMetricsF metrics(InWeight(font, weight));
        const QString shown = QString::fromStdString(text);
        const QSizeF size =
            wrapWidth > 0
                ? metrics.boundingRect(QRectF(0, 0, wrapWidth, 1e6), Qt::TextWordWrap, shown).size()
                : metrics.size(0, shown);
        return SceneSize{size.width(), size.height()};
    };
}

ScenePalette ScenePaletteOf(const QPalette& palette) {
    return {FromQt(palette.color(QPalette::Text)), FromQt(palette.color(QPalette::PlaceholderText)),
            FromQt(palette.color(QPalette::Mid)), FromQt(palette.color(QPalette::Base))};
}

QColor ToQColor(const SceneColour& colour) {
    return QColor(colour.red, colour.green, colour.blue, colour.alpha);
}

}  // namespace zarvek
